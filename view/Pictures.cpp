#include "view/Pictures.h"

#include <array>

namespace quendal {

namespace {

constexpr std::array<std::string_view, 16> kSystems = {
    // High Pass System
    "InfiniteImage.svg", "ClosedImage.svg", "VentedImage.svg", "PassiveRadiatorImage.svg",
    "SerialVentedImage.svg", "ParallelVentedImage.svg", "ComplexClosedImage.svg", "ComplexVentedImage.svg",
    // Band Pass System
    "RavezaBoxImage.svg", "PassiveRavezaImage.svg", "SerialRavezaType1Image.svg", "SerialRavezaType2Image.svg",
    "TwinVentedImage.svg", "TwinSerialImage.svg", "DeltaVentedImage.svg", "TripleVentedImage.svg",
};

constexpr std::array<std::string_view, 5> kConnections = {
    "SpConSingle.svg", "SpConDualParallel.svg", "SpConDualSeries.svg", "SpConPushPullParallel.svg",
    "SpConPushPullSeries.svg",
};

// Legend line samples: a line in the colour and width of the curve they name.
constexpr std::array<std::string_view, 6> kLineSamples = {
    "OrangeFatBtn.svg", "OrangeThinBtn.svg", "GreenThinBtn.svg",
    "BlueThinBtn.svg",  "LightBlueThinBtn.svg", "PurpleThinBtn.svg",
};

constexpr std::array<std::string_view, 12> kOthers = {
    kSystemButtonPicture,         kSystemButtonSelectedPicture,        kConnectionButtonPicture,
    kConnectionButtonSelectedPicture, kWideConnectionButtonPicture,    kWideConnectionButtonSelectedPicture,
    kSystemSelectArrowPicture,    kSpeakerSelectArrowPicture,          kSpeakerSelectBigArrowPicture,
    kUpArrowPicture,              kDownArrowPicture,                   kCrossHairPicture,
};

constexpr auto kAll = [] {
    std::array<std::string_view, kSystems.size() + kConnections.size() + kLineSamples.size() + kOthers.size()> all{};
    size_t i = 0;
    for (auto name : kSystems) all[i++] = name;
    for (auto name : kConnections) all[i++] = name;
    for (auto name : kLineSamples) all[i++] = name;
    for (auto name : kOthers) all[i++] = name;
    return all;
}();

}  // namespace

std::string_view systemPicture(int32_t tab, int32_t button) {
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return {};
    return kSystems[size_t((tab - 1) * 8 + (button - 1))];
}

std::string_view systemPicture(int32_t systemNumber) {
    if (systemNumber < 1 || systemNumber > 16) return {};
    return kSystems[size_t(systemNumber - 1)];
}

std::string_view connectionPicture(int32_t connection) {
    if (connection < 1 || connection > 5) return {};
    return kConnections[size_t(connection - 1)];
}

bool isWideConnection(int32_t connection) { return connection == 4 || connection == 5; }

std::span<const std::string_view> allPictures() { return kAll; }

}  // namespace quendal
