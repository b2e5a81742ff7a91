#pragma once
// The instrument on a pseudo-terminal behind the window's port, connected as the operator does
// (its path typed into the port chooser, "<-" pressed) at its first frame: what it sends reaches
// the window through the link's good-frame steps and dispatch, 50 ms at most for each frame.
#include "instrument_frames.h"
#include "link/frame_codec.h"
#include "link/instrument_link.h"
#include "link/message_catalogue.h"
#include "mainwindow/form1.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "named_child.h"
#include "support/pty_instrument.h"

#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace lmv::test {

class InstrumentOnLine {
public:
    // The window is asked for at the first frame, so a fixture may make it later.
    explicit InstrumentOnLine(std::function<mainwindow::TForm1&()> form) : form_(std::move(form)) {}
    ~InstrumentOnLine() { QObject::disconnect(counting_); }
    InstrumentOnLine(const InstrumentOnLine&) = delete;
    InstrumentOnLine& operator=(const InstrumentOnLine&) = delete;

    // Sends a whole frame and waits until the link has handled it.
    void Send(const std::vector<uint8_t>& frame)
    {
        mainwindow::TForm1& form = form_();
        if (&form != connectedTo_)
            Connect(form);
        ASSERT_EQ(&form, connectedTo_.data());
        const int before = handled_;
        ASSERT_TRUE(pty_.Write(
            QByteArray(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size()))));
        ASSERT_TRUE(QTest::qWaitFor([&] { return handled_ > before; }, 5000));
    }
    void Send(const lmvsim::TMeasurement& reading) { Send(lmvsim::MeasurementFrameBytes(reading)); }
    // A frame of that code with its layout's length around the payload built in place in
    // `frame` (bytes 3 on).
    void Send(uint8_t code, const link::TRxFrame& frame)
    {
        const int length = link::FindMessage(code)->layoutLength;
        Send(link::EncodeFrame(code, {frame.bytes.data() + 3, std::size_t(length - 1)}));
    }
    // A frame that the window handles no further: only the link's good-frame steps run (the
    // frame seen, the lamp).
    void SendBareFrame() { Send(link::EncodeFrame(link::GetClockFrame, {})); }
    // "<-" pressed again: the port closes and the lamp goes white; the next frame connects anew.
    void Disconnect()
    {
        Named<QToolButton>(form_(), QStringLiteral("Button1")).click();
        connectedTo_ = nullptr;
    }

private:
    // A window made anew is connected anew, to the same terminal.
    void Connect(mainwindow::TForm1& form)
    {
        QObject::disconnect(counting_);
        if (pty_.DevicePath().isEmpty()) {
            ASSERT_TRUE(pty_.Open());
        }
        Named<mainwindow::TPortComboBox>(form, QStringLiteral("ComboBox1"))
            .setEditText(pty_.DevicePath());
        Named<QToolButton>(form, QStringLiteral("Button1")).click();
        ASSERT_TRUE(form.Link().Connected());
        counting_ = QObject::connect(&form.Link(), &link::TInstrumentLink::GoodFrame,
                                     [this] { ++handled_; });
        connectedTo_ = &form;
    }

    std::function<mainwindow::TForm1&()> form_;
    PtyInstrument pty_;
    QMetaObject::Connection counting_;
    QPointer<mainwindow::TForm1> connectedTo_;  // none once that window is gone
    int handled_ = 0;
};

}
