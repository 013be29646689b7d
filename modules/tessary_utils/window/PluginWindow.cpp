namespace tessary_utils::PluginWindow
{
const std::vector<std::pair<float, float>> widthThresholds {
    { 7680.0f, 0.1f },
    { 5120.0f, 0.2f },
    { 3840.0f, 0.3f },
    { 2560.0f, 0.45f },
    { 1920.0f, 0.6f },
    { 1080.0f, 0.85f },
};
} // namespace tessary_utils::PluginWindow
