#pragma once
// The program's link to the simulated instrument over a pseudo-terminal, in one process: the
// simulator answers from the event loop that a request's wait runs.
#include "link/instrument_link.h"
#include "sim_instrument.h"
#include "sim_terminal.h"
#include "support/fake_desktop.h"
#include "support/fake_notifier.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace lmv::service {

class SimLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(terminal.Open());
        terminal.OnReceive = [this](const uint8_t* data, int size) {
            terminal.Send(instrument.Receive(data, size, instrumentNow));
        };
        link.Driver().SetDevicePath(terminal.DevicePath());
        link.SetRequestTimeout(300);
        ASSERT_TRUE(link.Connect());
    }

    // The bytes of the index-th frame the instrument received.
    std::vector<uint8_t> Sent(size_t index) const
    {
        const link::TRxFrame& frame = instrument.ReceivedFrames().at(index);
        return {frame.bytes.begin(), frame.bytes.begin() + frame.length + 3};
    }

    lmvsim::TSimInstrument instrument{lmvsim::TSimSettings{}};
    QDateTime instrumentNow{QDate(2011, 4, 3), QTime(9, 5, 7)};
    lmvsim::TSimTerminal terminal;  // declared before the link: the port closes first
    test::FakeNotifier notifier;
    test::FakeDesktop desktop;
    link::TInstrumentLink link{notifier};
};

}
