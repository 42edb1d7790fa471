#include "PanelStyle.h"

#include <QCoreApplication>

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

QString label(PanelStyle style)
{
    switch (style) {
    case PanelStyle::automatic:
        //: A panel style: chosen for the desktop's panel
        return QCoreApplication::translate("PanelStyles", "Automatic");
    case PanelStyle::logoAndText:
        //: A panel style: each provider's logo with its figures written beside it
        return QCoreApplication::translate("PanelStyles", "Logo and text");
    case PanelStyle::figuresInIcon:
        //: A panel style: the figures drawn inside the icon, for panels that show no text
        return QCoreApplication::translate("PanelStyles", "Figures in icon");
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
