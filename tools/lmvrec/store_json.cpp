#include "store_json.h"

#include "common/cp1251_codec.h"
#include "common/day_count.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <utility>

namespace lmv::tools {

namespace {

// Writes JSON text to a stream: members and array items separated as they come.
class TJsonOut {
public:
    explicit TJsonOut(std::FILE* out) : out_(out) {}

    void Raw(const char* text) { std::fputs(text, out_); }
    void Raw(const QByteArray& text)
    {
        std::fwrite(text.constData(), 1, size_t(text.size()), out_);
    }

    void Text(const QString& text)
    {
        QByteArray quoted = "\"";
        for (const char c : text.toUtf8()) {
            if (c == '"' || c == '\\')
                quoted += '\\';
            if (uint8_t(c) < 0x20)
                quoted += "\\u00" + QByteArray::number(uint8_t(c), 16).rightJustified(2, '0');
            else
                quoted += c;
        }
        Raw(quoted + '"');
    }

    // JSON has no NaN or infinity: they are written as null.
    void Number(double value)
    {
        Raw(std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest)
                                 : QByteArray("null"));
    }
    void Number(int value) { Raw(QByteArray::number(value)); }
    void Bool(bool value) { Raw(value ? "true" : "false"); }

    // "name": ; the first member of an object or item of an array gets no comma.
    void Key(const char* name, bool first = false)
    {
        Raw(first ? "" : ", ");
        Text(QString::fromLatin1(name));
        Raw(": ");
    }
    void Item(bool first) { Raw(first ? "\n" : ",\n"); }

private:
    std::FILE* out_;
};

void DateText(TJsonOut& json, double days)
{
    if (days == 0.0)
        json.Raw("null");
    else
        json.Text(common::DaysToDateTime(days).toString(Qt::ISODateWithMs));
}

QString Hex(const uint8_t* bytes, qsizetype size)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), size).toHex());
}

void WritePeak(TJsonOut& json, const model::TPeakRec& peak)
{
    const int nameEnd = 1 + peak.Name[0];
    json.Raw("{");
    json.Key("StartIdx", true);
    json.Number(peak.StartIdx);
    json.Key("EndIdx");
    json.Number(peak.EndIdx);
    json.Key("PageIndex");
    json.Number(peak.PageIndex);
    json.Key("Value");
    json.Number(peak.Value);
    json.Key("Name");
    json.Text(peak.GetName());
    json.Key("CalcType");
    json.Number(peak.CalcType);
    json.Key("MinIdx");
    json.Number(peak.MinIdx);
    json.Key("MaxIdx");
    json.Number(peak.MaxIdx);
    const std::pair<const char*, double> doubles[] = {
        {"A0", peak.A0}, {"A1", peak.A1}, {"B0", peak.B0}, {"B1", peak.B1},
        {"Y1", peak.Y1}, {"Y2", peak.Y2}, {"X1", peak.X1}, {"X2", peak.X2},
    };
    for (const auto& [name, value] : doubles) {
        json.Key(name);
        json.Number(value);
    }
    json.Key("Padding1");
    json.Text(Hex(peak.Padding1, sizeof peak.Padding1));
    json.Key("NameUnused");
    json.Text(Hex(peak.Name + nameEnd, qsizetype(sizeof peak.Name) - nameEnd));
    json.Key("Padding2");
    json.Text(Hex(peak.Padding2, sizeof peak.Padding2));
    json.Key("Reserved");
    json.Text(Hex(peak.Reserved, sizeof peak.Reserved));
    json.Raw("}");
}

void WriteChannel(TJsonOut& json, const model::TSingleChannel& channel)
{
    json.Raw("{");
    json.Key("Id", true);
    json.Number(channel.Id);
    json.Key("Points");
    json.Raw("[");
    bool first = true;
    for (const model::TPoint& point : channel.Points) {
        json.Item(std::exchange(first, false));
        json.Raw("[");
        json.Number(point.X);
        json.Raw(", ");
        json.Number(point.Y);
        json.Raw("]");
    }
    json.Raw("\n]}");
}

template <typename List, typename WriteOne>
void WriteList(TJsonOut& json, const List& list, WriteOne writeOne)
{
    json.Raw("[");
    bool first = true;
    for (const auto& item : list) {
        json.Item(std::exchange(first, false));
        writeOne(item);
    }
    json.Raw("\n]");
}

void WriteHead(TJsonOut& json, const char* kind, bool cut)
{
    json.Raw("{");
    json.Key("Kind", true);
    json.Text(QString::fromLatin1(kind));
    json.Key("Cut");
    json.Bool(cut);
}

}

void WriteRecordJson(std::FILE* out, const model::TBaseRecord& rec, bool cut)
{
    TJsonOut json(out);
    WriteHead(json, "record", cut);
    json.Key("DateTime");
    json.Number(rec.DateTime);
    json.Key("DateTimeText");
    DateText(json, rec.DateTime);
    json.Key("Title");
    json.Text(rec.Title);
    json.Key("Mode");
    json.Number(rec.Mode);
    json.Key("Comments");
    json.Text(common::FromCp1251(rec.Comments));
    json.Key("Params");
    WriteList(json, rec.Params, [&](const model::TParamRec& param) {
        json.Raw("{");
        json.Key("Name", true);
        json.Text(param.Name);
        json.Key("Value");
        json.Text(param.Value);
        json.Raw("}");
    });
    json.Key("Channels");
    WriteList(json, rec.Channels,
              [&](const model::TSingleChannel& channel) { WriteChannel(json, channel); });
    json.Key("Peaks");
    WriteList(json, rec.Peaks, [&](const model::TPeakRec& peak) { WritePeak(json, peak); });
    json.Key("Result1");
    json.Number(rec.Result1);
    json.Key("Result2");
    json.Number(rec.Result2);
    json.Raw("}\n");
}

void WriteHeaderJson(std::FILE* out, const model::TBaseHeader& list, bool cut)
{
    TJsonOut json(out);
    WriteHead(json, "index", cut);
    json.Key("Entries");
    WriteList(json, list, [&](const model::TBaseHeaderRecord& entry) {
        json.Raw("{");
        json.Key("Title", true);
        json.Text(entry.Title);
        json.Key("FileName");
        json.Text(entry.FileName);
        json.Key("DateTime");
        json.Number(entry.DateTime);
        json.Key("DateTimeText");
        DateText(json, entry.DateTime);
        json.Raw("}");
    });
    json.Raw("}\n");
}

}
