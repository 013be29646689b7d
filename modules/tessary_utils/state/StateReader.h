#pragma once

namespace tessary_utils
{
/** Reads a value tree from its binary stream form, refusing damaged data.

    JUCE's own reader trusts the counts it finds: a damaged block can make it reserve
    gigabytes, loop for billions of elements or recurse until the stack runs out. This reader
    first walks the bytes, checking every count against the bytes that are really there and
    the nesting against a fixed depth, and only hands data that passes to JUCE. Anything else
    gives an invalid tree. Bytes after a complete tree are ignored, as JUCE ignores them.
*/
class StateReader
{
public:
    static juce::ValueTree read (const void* data, int sizeInBytes);

    /** True when the bytes hold one complete, well-formed tree. */
    static bool isWellFormed (const void* data, size_t sizeInBytes);

    static constexpr int maxDepth = 64;
};
} // namespace tessary_utils
