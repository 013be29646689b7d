# The maker's reusable code lives in JUCE-format modules, so any project can pick them up
# the same way it picks up JUCE's own.
set(TESSARY_MODULES tessary_dsp tessary_gui tessary_utils)

foreach(module IN LISTS TESSARY_MODULES)
    juce_add_module("${CMAKE_CURRENT_LIST_DIR}/../modules/${module}")
endforeach()

function(include_tessary_modules target)
    target_link_libraries(${target} PRIVATE ${TESSARY_MODULES})
endfunction()
