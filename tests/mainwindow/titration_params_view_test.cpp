// The page "Нолдирон": each parameter text lands in its own framed box, next to its caption.
#include "mainwindow/titration_params_view.h"

#include "mainwindow/measurement/titration_params.h"
#include "named_child.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace lmv::test {
namespace {

using mainwindow::TTitrationParamTexts;

struct TBoxCase {
    const char* caption;
    const char* label;
    const char* box;
    QString TTitrationParamTexts::*text;
};

const TBoxCase BoxCases[] = {
    {"ktt", "StaticText34", "StaticText57", &TTitrationParamTexts::Ktt},
    {"zona", "StaticText35", "StaticText58", &TTitrationParamTexts::Zona},
    {"end", "StaticText47", "StaticText59", &TTitrationParamTexts::End},
    {"speed_1", "StaticText48", "StaticText60", &TTitrationParamTexts::Speed1},
    {"speed_2", "StaticText52", "StaticText61", &TTitrationParamTexts::Speed2},
    {"plotnost", "StaticText53", "StaticText62", &TTitrationParamTexts::Plotnost},
    {"ion", "StaticText54", "StaticText63", &TTitrationParamTexts::Ion},
    {"n_m", "StaticText55", "StaticText64", &TTitrationParamTexts::Nm},
    {"mode_titr", "StaticText56", "StaticText65", &TTitrationParamTexts::Mode},
    {"tip_level", "StaticText66", "StaticText67", &TTitrationParamTexts::TipLevel},
    {"source data", "StaticText68", "StaticText69", &TTitrationParamTexts::Source},
    {"timer", "StaticText70", "StaticText71", &TTitrationParamTexts::Timer},
};

TEST(TitrationParamsView, EachTextInItsBoxBesideItsCaption)
{
    QWidget page;
    mainwindow::TTitrationParamsView view(&page, &page);
    TTitrationParamTexts texts;
    for (const TBoxCase& row : BoxCases)
        texts.*row.text = QStringLiteral("<%1>").arg(QLatin1String(row.caption));
    texts.IonShown = true;
    view.Show(texts);

    const auto& grid = *page.findChild<QGridLayout*>();
    for (int i = 0; i < int(std::size(BoxCases)); ++i) {
        const TBoxCase& row = BoxCases[i];
        SCOPED_TRACE(row.caption);
        const QLabel& label = Named<QLabel>(page, QString::fromLatin1(row.label));
        const QLabel& box = Named<QLabel>(page, QString::fromLatin1(row.box));
        EXPECT_EQ(label.text(), QLatin1String(row.caption));
        EXPECT_EQ(box.text(), texts.*row.text);
        EXPECT_EQ(box.frameShape(), QFrame::Box);
        EXPECT_EQ(grid.itemAtPosition(i, 0)->widget(), &label);
        EXPECT_EQ(grid.itemAtPosition(i, 1)->widget(), &box);
    }
}

TEST(TitrationParamsView, IonCaptionAndBoxHiddenTogether)
{
    QWidget page;
    mainwindow::TTitrationParamsView view(&page, &page);
    TTitrationParamTexts texts;
    texts.Ion = QStringLiteral("Cl");
    for (const bool shown : {false, true}) {
        texts.IonShown = shown;
        view.Show(texts);
        EXPECT_EQ(Named<QLabel>(page, QStringLiteral("StaticText54")).isHidden(), !shown);
        EXPECT_EQ(Named<QLabel>(page, QStringLiteral("StaticText63")).isHidden(), !shown);
    }
}

}
}
