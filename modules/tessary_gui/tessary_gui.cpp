#include "tessary_gui.h"

#include "looks/CustomDialLabel.cpp"
#include "looks/CustomBorder.cpp"
#include "controls/ImageFader.cpp"
#include "controls/VUMeter.cpp"
