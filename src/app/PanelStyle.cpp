#include "PanelStyle.h"

namespace PanelStyles {

QString rawValue(PanelStyle style)
{
    switch (style) {
    case PanelStyle::automatic:
        return QStringLiteral("Automatic");
    case PanelStyle::logoAndText:
        return QStringLiteral("Logo and text");
    case PanelStyle::figuresInIcon:
        return QStringLiteral("Figures in icon");
    }
    return {};
}

std::optional<PanelStyle> fromRawValue(const QString &value)
{
    for (const PanelStyle style : allCases) {
        if (rawValue(style) == value)
            return style;
    }
    return std::nullopt;
}

PanelStyle resolved(PanelStyle style, const PanelHost &host)
{
    if (style != PanelStyle::automatic)
        return style;
    return host.drawsLabels() ? PanelStyle::logoAndText : PanelStyle::figuresInIcon;
}

}
