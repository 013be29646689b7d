#include "tessary_utils.h"

#include "state/StateReader.cpp"
#include "window/PluginWindow.cpp"
