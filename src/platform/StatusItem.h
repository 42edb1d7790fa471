#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One item in the panel: a provider's icon with its label, or the application's idle icon.
struct StatusSegment
{
    enum class Icon { logo, figures, idle };
    enum class Level { normal, low, critical }; // the figures' colour: panel ink, orange, red

    QString id;             // stable per item: the logo's name ("claude", "openai"), "idle", or an account's item
    QString logo;           // the logo's name when the id is not it
    QString name;           // shown to people ("Claude")
    Icon icon = Icon::logo;
    bool warn = false;      // the warning sign over the logo
    QString label;          // text beside the icon, for hosts that draw labels
    QStringList figures;    // lines drawn inside the icon, top to bottom
    Level level = Level::normal;
    quint32 mark = 0;       // the provider's colour as 0xRRGGBB, a small bar in the figures icon
    uint order = 0;         // the item's place among ours, lowest first, for hosts that sort by an index
    QString title;          // the item's Title, distinct per item and sorting as `order` (Plasma sorts by it)
    QString toolTipTitle;
    QString toolTipText;

    const QString &logoName() const { return logo.isEmpty() ? id : logo; }
    bool operator==(const StatusSegment &) const = default;
};

// One row of the drop-down menu, as the panel shows it.
struct StatusMenuRow
{
    enum class Style { plain, secondary, warning }; // secondary: small grey text; warning: small orange text

    int id = 0;
    bool separator = false;
    QString title;
    QString icon;     // a logo's name, or empty
    QString shortcut; // portable text, "Ctrl+R"
    bool enabled = true;
    bool visible = true;
    Style style = Style::plain;

    bool operator==(const StatusMenuRow &) const = default;
};

// What the menu's owner does when a host works the menu.
struct StatusMenuHandlers
{
    std::function<void()> aboutToShow;    // before each opening; rows may change
    std::function<void(int)> activate;     // a row was clicked
    // A segment's tooltip text as of the moment a host reads it (its ages current), or nothing to
    // keep the text last shown.
    std::function<std::optional<QString>(const QString &segmentId)> toolTipNow;
};

// The application's presence in the panel: one item per segment, all opening the same menu.
class StatusItem
{
public:
    virtual ~StatusItem() = default;

    // The wanted items in order; items keep their identity across calls by id.
    virtual void showSegments(const QList<StatusSegment> &segments) = 0;
    virtual void setMenu(const QList<StatusMenuRow> &rows, StatusMenuHandlers handlers) = 0;
    virtual void updateMenu(const QList<StatusMenuRow> &rows) = 0;
};
