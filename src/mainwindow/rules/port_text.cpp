#include "mainwindow/rules/port_text.h"

#include "common/number_text.h"

#include <algorithm>

namespace lmv::mainwindow {
namespace {

// The chooser's first three characters are meant to be "COM" and are not examined.
constexpr int ComPrefixLength = 3;

std::optional<QString> ListedDevicePath(const QString& text, const QList<TListedPort>& listed)
{
    const auto found = std::find_if(listed.begin(), listed.end(),
                                    [&text](const TListedPort& port) { return port.name == text; });
    if (found == listed.end())
        return std::nullopt;
    return found->devicePath;
}

}

std::optional<TPortChoice> ResolvePortText(const QString& text, const QList<TListedPort>& listed)
{
    if (text.startsWith(u'/'))
        return TPortChoice{text, 0};
    if (const auto devicePath = ListedDevicePath(text, listed);
        devicePath && !devicePath->isEmpty())
        return TPortChoice{*devicePath, 0};
    const QStringView rest =
        text.size() > ComPrefixLength ? QStringView(text).sliced(ComPrefixLength) : QStringView();
    const std::optional<int> number = common::ParseInteger(rest);
    // The port index is a single byte: 0 and numbers past 256 would open the wrong port.
    if (!number || *number < 1 || *number > MaxComNumber)
        return std::nullopt;
    return TPortChoice{QString(), *number};
}

QStringList SortedPortNames(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& left, const QString& right) {
        return left.compare(right, Qt::CaseInsensitive) < 0;
    });
    return names;
}

}
