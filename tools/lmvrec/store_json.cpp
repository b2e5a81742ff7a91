#include "store_json.h"

#include "common/cp1251_codec.h"
#include "common/day_count.h"

#include <QDateTime>
#include <QJsonArray>

namespace lmv::tools {

namespace {

QJsonValue DateText(double days)
{
    return days == 0.0 ? QJsonValue()
                       : QJsonValue(common::DaysToDateTime(days).toString(Qt::ISODateWithMs));
}

QString Hex(const uint8_t* bytes, qsizetype size)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), size).toHex());
}

QJsonObject PeakToJson(const model::TPeakRec& peak)
{
    const int nameEnd = 1 + peak.Name[0];
    return {
        {"StartIdx", peak.StartIdx},
        {"EndIdx", peak.EndIdx},
        {"PageIndex", peak.PageIndex},
        {"Value", peak.Value},
        {"Name", peak.GetName()},
        {"CalcType", peak.CalcType},
        {"MinIdx", peak.MinIdx},
        {"MaxIdx", peak.MaxIdx},
        {"A0", peak.A0},
        {"A1", peak.A1},
        {"B0", peak.B0},
        {"B1", peak.B1},
        {"Y1", peak.Y1},
        {"Y2", peak.Y2},
        {"X1", peak.X1},
        {"X2", peak.X2},
        {"Padding1", Hex(peak.Padding1, sizeof peak.Padding1)},
        {"NameUnused", Hex(peak.Name + nameEnd, qsizetype(sizeof peak.Name) - nameEnd)},
        {"Padding2", Hex(peak.Padding2, sizeof peak.Padding2)},
        {"Reserved", Hex(peak.Reserved, sizeof peak.Reserved)},
    };
}

QJsonArray ChannelsToJson(const std::vector<model::TSingleChannel>& channels)
{
    QJsonArray list;
    for (const model::TSingleChannel& channel : channels) {
        QJsonArray points;
        for (const model::TPoint& point : channel.Points)
            points.append(QJsonArray{point.X, point.Y});
        list.append(QJsonObject{{"Id", channel.Id}, {"Points", points}});
    }
    return list;
}

}

QJsonObject RecordToJson(const model::TBaseRecord& rec, bool cut)
{
    QJsonArray params;
    for (const model::TParamRec& param : rec.Params)
        params.append(QJsonObject{{"Name", param.Name}, {"Value", param.Value}});
    QJsonArray peaks;
    for (const model::TPeakRec& peak : rec.Peaks)
        peaks.append(PeakToJson(peak));
    return {
        {"Kind", "record"},
        {"Cut", cut},
        {"DateTime", rec.DateTime},
        {"DateTimeText", DateText(rec.DateTime)},
        {"Title", rec.Title},
        {"Mode", rec.Mode},
        {"Comments", common::FromCp1251(rec.Comments)},
        {"Params", params},
        {"Channels", ChannelsToJson(rec.Channels)},
        {"Peaks", peaks},
        {"Result1", rec.Result1},
        {"Result2", rec.Result2},
    };
}

QJsonObject HeaderToJson(const model::TBaseHeader& list, bool cut)
{
    QJsonArray entries;
    for (const model::TBaseHeaderRecord& entry : list)
        entries.append(QJsonObject{{"Title", entry.Title},
                                   {"FileName", entry.FileName},
                                   {"DateTime", entry.DateTime},
                                   {"DateTimeText", DateText(entry.DateTime)}});
    return {{"Kind", "index"}, {"Cut", cut}, {"Entries", entries}};
}

}
