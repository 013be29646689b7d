#include "tessary_dsp.h"

#include "filters/SVFilterCascade.cpp"
