// lmvrec: inspects record and index files.
//   lmvrec dump FILE      prints the file as JSON
//   lmvrec copy IN OUT    reads the file and writes it back through the store's save path
#include "common/errors.h"
#include "store/file_magic.h"
#include "store/index_file.h"
#include "store/read_whole_file.h"
#include "store/record_file.h"
#include "store_json.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <variant>

namespace {

using namespace lmv;

struct ReadFile {
    std::variant<model::TBaseRecord, model::TBaseHeader> contents;
    bool cut = false;
};

int Fail(const QString& message)
{
    std::fprintf(stderr, "lmvrec: %s\n", qPrintable(message));
    return 1;
}

ReadFile Read(const QString& path)
{
    const std::optional<store::TWholeFile> file = store::ReadWholeFile(path, "LMV");
    if (!file)
        throw common::Error(QStringLiteral("%1: нет такого файла").arg(path));
    const QByteArrayView bytes = file->Bytes();
    if (bytes.startsWith("LMVH")) {
        model::TBaseHeader list;
        const bool cut = store::ParseHeader(bytes, list).Cut;
        return {std::move(list), cut};
    }
    model::TBaseRecord rec;
    const bool cut = store::ParseRecord(bytes, rec).Cut;
    if (rec.Mode == model::NotARecordFile)
        throw common::Error(
            QStringLiteral("%1: не файл записи (\"LMVR\") и не индекс папки (\"LMVH\")").arg(path));
    return {std::move(rec), cut};
}

int Dump(const QString& path)
{
    const ReadFile file = Read(path);
    if (const auto* rec = std::get_if<model::TBaseRecord>(&file.contents))
        tools::WriteRecordJson(stdout, *rec, file.cut);
    else
        tools::WriteHeaderJson(stdout, std::get<model::TBaseHeader>(file.contents), file.cut);
    return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write the output"));
}

int Copy(const QString& in, const QString& out)
{
    const ReadFile file = Read(in);
    if (file.cut)
        std::fprintf(stderr, "lmvrec: %s обрезан или повреждён; скопирована его целая часть\n",
                     qPrintable(in));
    if (const auto* rec = std::get_if<model::TBaseRecord>(&file.contents))
        store::WriteRecordFile(out, *rec);
    else
        store::WriteHeaderFile(out, std::get<model::TBaseHeader>(file.contents));
    return 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 2 && args[0] == "dump")
            return Dump(args[1]);
        if (args.size() == 3 && args[0] == "copy")
            return Copy(args[1], args[2]);
    } catch (const common::Error& error) {
        return Fail(error.message());
    }
    std::fprintf(stderr, "вызов: lmvrec dump ФАЙЛ\n       lmvrec copy ИЗ_ФАЙЛА В_ФАЙЛ\n");
    return 2;
}
