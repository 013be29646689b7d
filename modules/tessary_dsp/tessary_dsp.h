/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 tessary_dsp
  vendor:             tessary
  version:            1.0.0
  name:               Tessary DSP
  description:        Zero-delay-feedback state-variable filters and a fused cascade of them.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_dsp

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once
#define TESSARY_DSP_H_INCLUDED

#include <juce_dsp/juce_dsp.h>

#include "filters/SVFilter.h"
#include "filters/SVFilterCascade.h"
