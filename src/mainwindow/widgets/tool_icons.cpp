#include "mainwindow/widgets/tool_icons.h"

#include <QStandardPaths>

namespace lmv::mainwindow {

namespace {

// Our own pictures are drawn to match this theme, so the window uses it whatever the desktop's.
const QString IconTheme = QStringLiteral("breeze");

struct TToolIcon {
    const char* action;
    const char* icon;  // a theme name, or a resource path for our own
};

const TToolIcon ToolIcons[] = {
    {"FitImageActn", "zoom-fit-best"},
    {"SetScaleActn", ":/tool-icons/scale-set.svg"},
    {"DivScaleBy10Actn", ":/tool-icons/scale-shorter.svg"},
    {"MultScaleBy10Actn", ":/tool-icons/scale-taller.svg"},
    {"StartStopActn", "media-record"},
    {"AddMarkActn", ":/tool-icons/time-mark.svg"},
    {"PaintXAxisActn", ":/tool-icons/axis-x.svg"},
    {"PaintYAxisActn", ":/tool-icons/axis-y.svg"},
    {"PaintGridActn", ":/tool-icons/chart-grid.svg"},
    {"ShowBordersActn", ":/tool-icons/chart-marks.svg"},
    {"ShowIntegeralActn", ":/tool-icons/chart-integral.svg"},
    {"FilterActn", ":/tool-icons/curve-filter.svg"},
    {"ShowDerivativeActn", ":/tool-icons/curve-derivative.svg"},
    {"FindVolumesActn", ":/tool-icons/volume-search.svg"},
    {"SetPeakBordersActn", ":/tool-icons/peak-mark.svg"},
    {"PeakAutoSearchActn", ":/tool-icons/peak-search.svg"},
    {"HelpContextActn", "help-contextual"},
    {"AboutActn", "help-about"},
    {"ShowAllActn", "view-list-details"},
    {"ByDateActn", "view-calendar-day"},
    {"ShowPropsActn", "document-properties"},
    {"RemoveActn", "edit-delete"},
    {"RemovePeakActn", "edit-delete"},
    {"RenamePeakActn", "edit-rename"},
    {"CopyGridActn", "edit-copy"},
    {"CopyPeaksDataActn", "edit-copy"},
    {"OpenBaseActn", "document-open-folder"},
    {"OpenFlashBaseActn", "media-flash-sd-mmc"},
    {"SaveTableActn", "document-save"},
    {"RebuildDBActn", "view-refresh"},
    {"AddRowToGridActn", "edit-table-insert-row-below"},
    {"RemRowActn", "edit-table-delete-row"},
    {"ClearGridActn", "delete_table"},
};

// Without a desktop session Qt looks for themes in its resources only: add the system's folders.
void UseIconTheme()
{
    if (QIcon::themeName() == IconTheme)
        return;
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!paths.contains(folder))
            paths << folder;
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(IconTheme);
}

}

QIcon ToolIcon(const QString& actionName)
{
    for (const TToolIcon& entry : ToolIcons) {
        if (actionName != QLatin1String(entry.action))
            continue;
        const QString icon = QString::fromLatin1(entry.icon);
        if (icon.startsWith(u':'))
            return QIcon(icon);
        UseIconTheme();
        return QIcon::fromTheme(icon);
    }
    return {};
}

QStringList ActionsWithIcons()
{
    QStringList names;
    for (const TToolIcon& entry : ToolIcons)
        names << QString::fromLatin1(entry.action);
    return names;
}

}
