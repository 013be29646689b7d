/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 tessary_gui
  vendor:             tessary
  version:            1.0.0
  name:               Tessary GUI
  description:        Filmstrip controls, meters and looks shared by Tessary plug-ins.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_gui_basics

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once
#define TESSARY_GUI_H_INCLUDED

#include <juce_gui_basics/juce_gui_basics.h>

#include "looks/CustomDialLabel.h"
#include "looks/CustomBorder.h"
#include "controls/ImageFader.h"
#include "controls/VUMeter.h"
