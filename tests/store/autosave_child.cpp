// A recording that never ends, for the kill test: points arrive every millisecond and the live
// record is saved in the background whenever no save is in flight. After each completed save
// it prints "saved <points>" with the number of points that save held.
#include "common/notifier.h"
#include "store/record_folder.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

class SilentNotifier : public lmv::common::Notifier {
public:
    void Beep() override {}
    lmv::common::BoxAnswer MessageBox(const QString& text, lmv::common::BoxIcon,
                                      lmv::common::BoxButtons, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return lmv::common::BoxAnswer::Ok;
    }
};

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    SilentNotifier notifier;
    lmv::store::TRecordStore store(notifier, QString::fromLocal8Bit(argv[1]),
                                   [] { return QDateTime::currentDateTime(); });
    store.SetRecordDir(store.StartDir() + QStringLiteral("Base/"));
    lmv::model::TBaseRecord& live = store.EditLiveRecord();
    live.Channels.assign(lmv::model::NewRecordChannelCount, {});
    for (int id = 0; id < lmv::model::NewRecordChannelCount; ++id)
        live.Channels[std::size_t(id)].Id = id;
    store.OpenLiveFile();
    std::printf("file %s\n", qUtf8Printable(store.LiveFileName()));
    std::fflush(stdout);

    double next = 0;
    QTimer points;
    QObject::connect(&points, &QTimer::timeout, [&] {
        for (int i = 0; i < 500; ++i, ++next)
            store.AddChannelPoint(0, next, next);
        if (store.BackgroundSaveInFlight())
            return;
        const std::size_t held = store.LiveRecord().Channels[0].Points.size();
        store.SaveRecordFileInBackground(store.LiveFileName(), store.LiveRecord(),
                                         [held](const QString& error) {
                                             if (error.isEmpty())
                                                 std::printf("saved %zu\n", held);
                                             std::fflush(stdout);
                                         });
    });
    points.start(1);
    return app.exec();
}
