/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 tessary_utils
  vendor:             tessary
  version:            1.0.0
  name:               Tessary utilities
  description:        Small shared helpers for Tessary plug-ins.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_data_structures

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once
#define TESSARY_UTILS_H_INCLUDED

#include <juce_data_structures/juce_data_structures.h>

#include "state/StateReader.h"
#include "window/PluginWindow.h"
