#pragma once

#include "platform/PanelHost.h"

#include <QString>

#include <array>
#include <optional>

// How each panel item shows its figures. The raw value is the stored value, English in every
// language; the label is what the picker shows, in the session's language.
enum class PanelStyle {
    automatic,
    logoAndText,
    figuresInIcon,
};

namespace PanelStyles {

inline constexpr std::array<PanelStyle, 3> allCases{PanelStyle::automatic, PanelStyle::logoAndText,
                                                    PanelStyle::figuresInIcon};

QString rawValue(PanelStyle style);
QString label(PanelStyle style);
std::optional<PanelStyle> fromRawValue(const QString &rawValue);
// Automatic means figures in the icon where the host draws no labels (Plasma, Xfce's systray), and
// logo and text elsewhere.
PanelStyle resolved(PanelStyle style, const PanelHost &host);

}
