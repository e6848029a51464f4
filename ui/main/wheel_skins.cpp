#include "ui/main/wheel_skins.h"

namespace {

// Compared case-sensitively with the current product name.
constexpr const char *kAlternateWheelModels[] = {
    "VARNHOLT2", "ORMELIN", "DASKREL", "TORVIK FPS", "TORVIK", "SKALDREN", "SKALDREN3",
    "BRUMELT", "6417", "K460-RGB", "6417-P8181", "MURNFALL", "K231", "K232", "K236-RGB",
    "ALDRAVE", "K237-PRO", "K237-RGB", "K237-RGB2", "QUINTARO2", "VELQUORN2", "HASTREL",
};

bool usesAlternateWheel(const QString &productName)
{
    for (const char *model : kAlternateWheelModels) {
        if (productName == QLatin1String(model))
            return true;
    }
    return false;
}

} // namespace

WheelSkins wheelSkinsFor(const QString &productName)
{
    if (usesAlternateWheel(productName)) {
        return {{"/skin/btn_up4.png", "/skin/btn_up3.png", "/skin/btn_up3.png"},
                {"/skin/btn_down4.png", "/skin/btn_down3.png", "/skin/btn_down3.png"}};
    }
    return {{"/skin/btn_up2.png", "/skin/btn_up1.png", "/skin/btn_up1.png"},
            {"/skin/btn_down2.png", "/skin/btn_down1.png", "/skin/btn_down1.png"}};
}
