// The page "Нолдирон", filled by the instrument's parameter frames.
#include "mainwindow/titration_params_view.h"

#include "mainwindow/measurement/titration_params.h"
#include "mainwindow/widgets/named_control.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

QLabel* NewParamLabel(int number, const char* caption, QWidget* parent)
{
    auto* label = NewNamed<QLabel>(QStringLiteral("StaticText%1").arg(number),
                                   QString::fromLatin1(caption), parent);
    return label;
}

QLabel* NewValueBox(int number, QWidget* parent)
{
    auto* box = NewNamed<QLabel>(QStringLiteral("StaticText%1").arg(number), parent);
    box->setFrameShape(QFrame::Box);
    box->setMinimumWidth(80);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

}

TTitrationParamsView::TTitrationParamsView(QWidget* page, QObject* parent) : QObject(parent)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    auto* group = new QGroupBox(QStringLiteral("Параметры измерения"), page);
    auto* grid = new QGridLayout(group);
    const struct {
        int label;
        const char* caption;
        int box;
        QLabel** boxField;
    } rows[] = {
        {34, "ktt", 57, &StaticText57},         {35, "zona", 58, &StaticText58},
        {47, "end", 59, &StaticText59},         {48, "speed_1", 60, &StaticText60},
        {52, "speed_2", 61, &StaticText61},     {53, "plotnost", 62, &StaticText62},
        {54, "ion", 63, &StaticText63},         {55, "n_m", 64, &StaticText64},
        {56, "mode_titr", 65, &StaticText65},   {66, "tip_level", 67, &StaticText67},
        {68, "source data", 69, &StaticText69}, {70, "timer", 71, &StaticText71},
    };
    int row = 0;
    for (const auto& field : rows) {
        QLabel* label = NewParamLabel(field.label, field.caption, group);
        *field.boxField = NewValueBox(field.box, group);
        grid->addWidget(label, row, 0);
        grid->addWidget(*field.boxField, row, 1);
        if (field.label == 54)
            StaticText54 = label;
        ++row;
    }
    column->addWidget(group);
    column->addStretch(1);
}

void TTitrationParamsView::Show(const TTitrationParamTexts& texts)
{
    StaticText67->setText(texts.TipLevel);
    StaticText54->setVisible(texts.IonShown);
    StaticText63->setVisible(texts.IonShown);
    StaticText57->setText(texts.Ktt);
    StaticText58->setText(texts.Zona);
    StaticText59->setText(texts.End);
    StaticText60->setText(texts.Speed1);
    StaticText61->setText(texts.Speed2);
    StaticText71->setText(texts.Timer);
    StaticText62->setText(texts.Plotnost);
    StaticText65->setText(texts.Mode);
    StaticText63->setText(texts.Ion);
    StaticText64->setText(texts.Nm);
    StaticText69->setText(texts.Source);
}

}
