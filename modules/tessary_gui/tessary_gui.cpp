#include "tessary_gui.h"
