#include "mainwindow/measurement/titration_params.h"

#include "common/cp1251_codec.h"
#include "common/number_text.h"

namespace lmv::mainwindow {

namespace {

constexpr int IonOffset = 25, IonSize = 5;

QString Fixed83(double value) { return common::FixedText(value, 8, 3); }

}

TTitrationParams DecodeTitrationParams(const link::TRxFrame& frame)
{
    const uint8_t* bytes = frame.bytes.data();
    TTitrationParams params;
    params.TipLevel = bytes[3];
    params.Ktt = link::ReadBigEndianFloat(bytes, 4);
    params.Zona = link::ReadBigEndianFloat(bytes, 8);
    params.End = link::ReadBigEndianFloat(bytes, 12);
    params.Speed1 = bytes[16];
    params.Speed2 = bytes[17];
    params.Timer = bytes[18];
    params.Plotnost = link::ReadBigEndianFloat(bytes, 19);
    params.Mode = bytes[23];
    params.Ion = common::FromCp1251(
        QByteArrayView(reinterpret_cast<const char*>(bytes + IonOffset), IonSize));
    params.Nm = bytes[30];
    params.Source = bytes[31];
    return params;
}

TTitrationParamTexts TitrationParamTexts(const TTitrationParams& params)
{
    TTitrationParamTexts texts;
    texts.Ktt = Fixed83(params.Ktt);
    texts.Zona = Fixed83(params.Zona);
    texts.End = Fixed83(params.End);
    texts.Speed1 = QString::number(params.Speed1);
    texts.Speed2 = QString::number(params.Speed2);
    texts.Plotnost = Fixed83(params.Plotnost);
    // The box shows the ion up to its first NUL.
    texts.Ion = params.Ion.left(params.Ion.indexOf(QChar(0)));
    texts.Nm = QString::number(params.Nm + 1);
    texts.Mode = QString::number(params.Mode);
    // One character, the digit itself for levels 0 to 9.
    const char tipCode = char(uint8_t(48 + params.TipLevel));
    texts.TipLevel = common::FromCp1251(QByteArrayView(&tipCode, 1));
    texts.Source = QString::number(params.Source);
    texts.Timer = QString::number(params.Timer);
    texts.IonShown = params.TipLevel != 0;
    return texts;
}

model::TParamsArr TitrationHeaderParams(const TTitrationParams& params)
{
    model::TParamsArr pairs;
    const auto add = [&pairs](const char* name, const QString& value) {
        pairs.push_back({QString::fromUtf8(name), value});
    };
    add("№ метода", QString::number(params.Nm + 1));
    if (params.Mode == 0) {
        add("Метод титрования", QStringLiteral("До заданной точки"));
        add("КТТ", Fixed83(params.Ktt));
        add("Выдержка", QString::number(params.Timer));
    } else {
        add("Метод титрования", QStringLiteral("Регистрация кривой"));
        add("Точка эквивалентности", Fixed83(params.Ktt));
        add("Окончание", Fixed83(params.End));
    }
    add("Зона", Fixed83(params.Zona));
    add("Скорость вне зоны", QString::number(params.Speed1));
    add("Скорость в зоне", QString::number(params.Speed2));
    add("Плотность", Fixed83(params.Plotnost));
    if (params.TipLevel != 0)
        add("Ион", params.Ion);
    add("Источник данных",
        params.Source == 0 ? QStringLiteral("Внутренний") : QStringLiteral("Внешний"));
    return pairs;
}

}
