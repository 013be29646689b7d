namespace tessary_utils
{
namespace
{
// Mirrors the markers that juce::var writes.
enum Marker : uint8_t
{
    markerInt = 1, markerBoolTrue = 2, markerBoolFalse = 3, markerDouble = 4,
    markerString = 5, markerInt64 = 6, markerArray = 7, markerBinary = 8, markerUndefined = 9
};

class Walker
{
public:
    Walker (const uint8_t* d, size_t n) : data (d), size (n) {}

    bool tree (int depth)
    {
        if (depth > StateReader::maxDepth || ! nonEmptyString())
            return false;

        int numProperties = 0;
        // A property takes at least a one-character name, its terminator and a size byte.
        if (! count (numProperties, 3))
            return false;

        for (int i = 0; i < numProperties; ++i)
            if (! nonEmptyString() || ! value (depth + 1))
                return false;

        int numChildren = 0;
        // A child takes at least a type, its terminator and two counts.
        if (! count (numChildren, 4))
            return false;

        for (int i = 0; i < numChildren; ++i)
            if (! tree (depth + 1))
                return false;

        return true;
    }

private:
    size_t remaining() const { return size - pos; }

    bool skip (size_t n)
    {
        if (n > remaining())
            return false;
        pos += n;
        return true;
    }

    bool compressedInt (int& result)
    {
        if (remaining() < 1)
            return false;

        const auto sizeByte = data[pos++];
        const auto numBytes = (size_t) (sizeByte & 0x7f);

        if (numBytes > 4 || numBytes > remaining())
            return false;

        uint32_t magnitude = 0;
        for (size_t i = 0; i < numBytes; ++i)
            magnitude |= (uint32_t) data[pos + i] << (8 * i);
        pos += numBytes;

        if (magnitude > (uint32_t) std::numeric_limits<int>::max())
            return false;

        result = (sizeByte & 0x80) != 0 ? -(int) magnitude : (int) magnitude;
        return true;
    }

    /** A count of items of at least minBytesEach that must fit in what is left. */
    bool count (int& result, size_t minBytesEach)
    {
        return compressedInt (result) && result >= 0 && (size_t) result <= remaining() / minBytesEach;
    }

    bool nonEmptyString()
    {
        const auto* start = data + pos;
        const auto* end = static_cast<const uint8_t*> (std::memchr (start, 0, remaining()));

        if (end == nullptr || end == start)
            return false;

        pos += (size_t) (end - start) + 1;
        return true;
    }

    bool value (int depth)
    {
        if (depth > StateReader::maxDepth)
            return false;

        int numBytes = 0;
        if (! compressedInt (numBytes) || numBytes < 0)
            return false;

        if (numBytes == 0)
            return true;

        if ((size_t) numBytes > remaining())
            return false;

        const auto marker = data[pos++];
        const auto payload = (size_t) numBytes - 1;

        switch (marker)
        {
            case markerInt:                        return payload == 4 && skip (4);
            case markerDouble: case markerInt64:   return payload == 8 && skip (8);
            case markerBoolTrue: case markerBoolFalse:
            case markerUndefined:                  return payload == 0;
            case markerString:                     return skip (payload);
            // JUCE copies an empty binary value through a null pointer; no state of ours has one.
            case markerBinary:                     return payload > 0 && skip (payload);
            case markerArray:
            {
                const auto end = pos + payload;
                int numElements = 0;
                if (! count (numElements, 1))
                    return false;

                for (int i = 0; i < numElements; ++i)
                    if (! value (depth + 1))
                        return false;

                return pos == end;
            }
            default:                               return skip (payload);
        }
    }

    const uint8_t* data;
    size_t size;
    size_t pos = 0;
};
} // namespace

bool StateReader::isWellFormed (const void* data, size_t sizeInBytes)
{
    if (data == nullptr || sizeInBytes == 0)
        return false;

    Walker walker (static_cast<const uint8_t*> (data), sizeInBytes);
    return walker.tree (0);
}

juce::ValueTree StateReader::read (const void* data, int sizeInBytes)
{
    if (sizeInBytes <= 0 || ! isWellFormed (data, (size_t) sizeInBytes))
        return {};

    juce::MemoryInputStream stream (data, (size_t) sizeInBytes, false);
    return juce::ValueTree::readFromStream (stream);
}
} // namespace tessary_utils
