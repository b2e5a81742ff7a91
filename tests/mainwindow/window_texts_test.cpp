// The window's texts are whole at its own size of 968 × 577: every label and button shown on
// every page of the device types tried shows its text in the width it has, by the font's metrics.
#include "form1_fixture.h"
#include "sim_rx_frame.h"

#include "instrument_frames.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/widgets/prop_form.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTextDocument>

namespace lmv::test {
namespace {

// Shown texts looked at, over all the calls of CutText.
int textsSeen = 0;

// What is cut of a shown label's or button's text, or '' when it is whole.
QString CutText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QString text = label->text();
        if (text.isEmpty() || label->wordWrap() || Qt::mightBeRichText(text))
            return {};
        ++textsSeen;
        int widest = 0;
        for (const QString& line : text.split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        const int room = label->contentsRect().width() - 2 * label->margin() - 2 * label->indent();
        return widest > room
            ? QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(widest).arg(room)
            : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty())
            return {};
        ++textsSeen;
        // The style's size for the text, the icon and the frame, from the font's metrics.
        const int needed = button->sizeHint().width();
        return needed > button->width() ? QStringLiteral("%1 needs %2 px, has %3")
                                              .arg(button->text())
                                              .arg(needed)
                                              .arg(button->width())
                                        : QString();
    }
    return {};
}

QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != &window)
            continue;
        const QString what = CutText(*widget);
        if (!what.isEmpty())
            cut << widget->objectName() + u' ' + what;
    }
    return cut;
}

class Form1TextsTest : public Form1Test {
protected:
    void Send(int device, int channel, double value)
    {
        lmvsim::TMeasurement reading;
        reading.value = value;
        reading.channel = channel;
        reading.label = "pH 1";
        reading.deviceType = device;
        Form().Measurements().OnMeasurementFrame(RxFrame(reading));
    }
};

TEST_F(Form1TextsTest, EveryLabelAndButtonShowsItsTextWholeAt968x577)
{
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    Form().show();
    textsSeen = 0;
    for (const int device : {41, 38, 35, 16, 3}) {
        for (int channel = 0; channel < 4; ++channel)
            Send(device, channel, -1234.5);
        auto& pages = Named<QTabWidget>(Form(), QStringLiteral("PageControl1"));
        for (int page = 0; page < pages.count(); ++page) {
            if (!pages.isTabVisible(page))
                continue;
            pages.setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QString& cut : CutTexts(Form()))
                ADD_FAILURE() << "device " << device << ", page "
                              << pages.tabText(page).toStdString() << ": " << cut.toStdString();
        }
    }
    Form().Actn(QStringLiteral("ShowPropsActn")).Execute();
    QCoreApplication::processEvents();
    for (const QString& cut :
         CutTexts(Named<mainwindow::TPropForm>(Form(), QStringLiteral("PropForm"))))
        ADD_FAILURE() << "properties window: " << cut.toStdString();
    EXPECT_GT(textsSeen, 200) << "labels and buttons looked at";
}

}
}
