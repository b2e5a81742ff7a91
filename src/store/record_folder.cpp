#include "store/record_folder.h"

#include "common/day_count.h"
#include "common/errors.h"
#include "store/background_save.h"
#include "store/file_magic.h"
#include "store/file_time.h"
#include "store/index_file.h"
#include "store/read_whole_file.h"
#include "store/record_names.h"
#include "store/start_dir.h"
#include "store/store_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>
#include <algorithm>

namespace lmv::store {

namespace {

template <typename List> auto FindEntry(List& list, const QString& fileName)
{
    return std::find_if(list.begin(), list.end(), [&](const model::TBaseHeaderRecord& entry) {
        return entry.FileName == fileName;
    });
}

void RetitleEntry(model::TBaseHeader& list, const model::TBaseHeaderRecord& saved)
{
    const auto entry = FindEntry(list, saved.FileName);
    if (entry != list.end()) {
        entry->Title = saved.Title;
        entry->DateTime = saved.DateTime;
    }
}

bool NameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}

TRecordStore::TRecordStore(common::Notifier& notifier, const QString& documentsPath, Clock clock)
    : notifier_(notifier), clock_(std::move(clock)), startDir_(GetStartDir(documentsPath)),
      save_(std::make_unique<TBackgroundSave>()), saveContext_(std::make_unique<QObject>())
{
    EnsureStartDir(startDir_);
    filterDate_ = Now();
}

TRecordStore::~TRecordStore()
{
    saveDone_ = nullptr;
    save_->Wait();
}

model::TDateTime TRecordStore::Now() const { return common::DateTimeToDays(clock_()); }

QString TRecordStore::HeaderPath() const { return recordDir_ + QLatin1String(HeaderFileName); }

void TRecordStore::RequireRecordDir() const
{
    if (recordDir_.isEmpty())
        throw common::Error(QStringLiteral("Папка записей не открыта"));
}

TRecordReadResult TRecordStore::ReadRecordFile(const QString& fileName, model::TBaseRecord& rec)
{
    if (!IsSafeRecordName(fileName))
        return {};
    const QString path = IsBrowsing() ? QDir(browseDir_).filePath(fileName) : recordDir_ + fileName;
    TRecordReadResult result;
    try {
        result = store::ReadRecordFile(path, rec);
    } catch (const TooLargeFileError& error) {
        rec.Mode = model::NotARecordFile;
        rec.Comments.clear();
        rec.Peaks.clear();
        notifier_.MessageBox(error.message(), common::BoxIcon::Warning);
        return {true, false, true};
    }
    if (result.Cut)
        notifier_.MessageBox(
            QStringLiteral("Запись \"%1\" прочитана не полностью: файл обрезан или повреждён.")
                .arg(fileName),
            common::BoxIcon::Warning);
    return result;
}

void TRecordStore::CheckWritable(const QString& fileName) const
{
    if (fileName.isEmpty())
        throw common::Error(QStringLiteral("Пустое имя файла записи"));
    if (!IsSafeRecordName(fileName))
        throw common::Error(QStringLiteral("Недопустимое имя файла записи \"%1\"").arg(fileName));
    if (IsBrowsing() && !IsLiveFile(fileName))
        throw common::Error(
            QStringLiteral("Записи съемного диска только для чтения: \"%1\" не сохранена")
                .arg(fileName));
    RequireRecordDir();
}

void TRecordStore::RetitleSavedRecord(const model::TBaseHeaderRecord& saved)
{
    RetitleEntry(headerList_, saved);
    if (!IsBrowsing())
        RetitleEntry(filteredList_, saved);
}

void TRecordStore::SaveRecordFile(const QString& fileName, const model::TBaseRecord& rec)
{
    FinishBackgroundSave();
    CheckWritable(fileName);
    WriteRecordFile(recordDir_ + fileName, rec);
    RetitleSavedRecord({rec.Title, fileName, rec.DateTime});
    SaveHeaderFile();
}

void TRecordStore::SaveRecordFileInBackground(const QString& fileName,
                                              const model::TBaseRecord& rec, TSaveDone done)
{
    FinishBackgroundSave();
    CheckWritable(fileName);
    saving_ = {rec.Title, fileName, rec.DateTime};
    saveDone_ = std::move(done);
    StartBackgroundWrite(false,
                         [path = recordDir_ + fileName, rec] { WriteRecordFile(path, rec); });
}

void TRecordStore::StartBackgroundWrite(bool index, std::function<void()> write)
{
    writingIndex_ = index;
    const quint64 generation = ++saveGeneration_;
    save_->Start(std::move(write), [this, generation] {
        QMetaObject::invokeMethod(
            saveContext_.get(),
            [this, generation] {
                if (generation == saveGeneration_)
                    CompleteBackgroundWrite();
            },
            Qt::QueuedConnection);
    });
}

// The copy is the index of this moment: a later change of the list goes into a later write,
// which waits for this one.
bool TRecordStore::StartBackgroundIndexWrite()
{
    RetitleSavedRecord(saving_);
    if (!MayWriteHeader())
        return false;
    StartBackgroundWrite(
        true, [path = HeaderPath(), list = headerList_] { WriteHeaderFile(path, list); });
    return true;
}

// Once the record's file is written its entry changes here and the index goes to the worker;
// once the index is written (or the file failed) the save is done.
void TRecordStore::CompleteBackgroundWrite()
{
    if (!save_->InFlight())
        return;
    const QString error = save_->Wait();
    if (error.isEmpty() && !writingIndex_ && StartBackgroundIndexWrite())
        return;
    const TSaveDone done = std::move(saveDone_);
    saveDone_ = nullptr;
    if (done)
        done(error);
}

bool TRecordStore::BackgroundSaveInFlight() const { return save_->InFlight(); }

void TRecordStore::FinishBackgroundSave()
{
    while (save_->InFlight())
        CompleteBackgroundWrite();
}

QString TRecordStore::SaveNewRecord(const model::TBaseRecord& rec)
{
    FinishBackgroundSave();
    RequireRecordDir();
    const QString name =
        NewRecordName(qsizetype(headerList_.size()), [this](const QString& candidate) {
            return NameTaken(recordDir_ + candidate) ||
                FindEntry(headerList_, candidate) != headerList_.end();
        });
    WriteRecordFile(recordDir_ + name, rec);
    headerList_.push_back({rec.Title, name, rec.DateTime});
    try {
        SaveHeaderFile();
    } catch (const common::Error&) {
        headerList_.pop_back();
        QFile::remove(recordDir_ + name);
        throw;
    }
    return name;
}

bool TRecordStore::MayWriteHeader()
{
    if (recordDir_.isEmpty())
        return false;
    if (headerRejected_) {
        if (!refusalReported_)
            notifier_.MessageBox(
                QStringLiteral("Индекс папки \"%1\" не прочитан (другая версия или ошибка чтения) "
                               "и не перезаписывается. "
                               "Файлы записей сохраняются; «Создать индекс заново» заменит индекс.")
                    .arg(recordDir_),
                common::BoxIcon::Warning);
        refusalReported_ = true;
        return false;
    }
    return true;
}

void TRecordStore::SaveHeaderFile()
{
    if (MayWriteHeader())
        WriteHeaderFile(HeaderPath(), headerList_);
}

void TRecordStore::SaveHeaderAtExit()
{
    FinishBackgroundSave();
    SaveHeaderBeforeLeaving();
}

// A folder whose medium is gone must not keep the operator from switching to another one.
void TRecordStore::SaveHeaderBeforeLeaving()
{
    if (recordDir_.isEmpty())
        return;
    try {
        SaveHeaderFile();
    } catch (const common::Error& error) {
        notifier_.MessageBox(error.message());
    }
}

// A file that is no index is kept as it is, and so is a damaged index whose copy could not be
// made; an index of another version is thrown as well.
void TRecordStore::LoadHeaderFile()
{
    headerRejected_ = false;
    refusalReported_ = false;
    headerList_.clear();
    std::optional<TWholeFile> file;
    THeaderReadResult read;
    try {
        file = ReadWholeFile(HeaderPath(), HeaderFormat);
        if (file)
            read = ParseHeader(file->Bytes(), headerList_);
    } catch (const common::Error&) {
        headerList_.clear();
        headerRejected_ = true;
        throw;
    }
    if (read.Foreign)
        headerRejected_ = true;  // told at the first write, as for another version
    else if (read.Cut)
        KeepCutHeader(file->Bytes());
}

void TRecordStore::KeepCutHeader(QByteArrayView bytes)
{
    QString message =
        QStringLiteral("Индекс папки \"%1\" прочитан не полностью: файл обрезан или повреждён.")
            .arg(recordDir_);
    QString failure = QStringLiteral("папка на просматриваемом съемном диске");
    if (!IsOnBrowsedDisk(recordDir_)) {
        try {
            message += QStringLiteral(" Исходный файл сохранён рядом как \"%1\".")
                           .arg(KeepDamagedHeader(recordDir_, bytes));
            failure.clear();
        } catch (const common::Error& error) {
            failure = error.message();
        }
    }
    if (!failure.isEmpty()) {
        message += QStringLiteral(" Копия исходного файла не сохранена (%1), поэтому индекс не "
                                  "перезаписывается; «Создать индекс заново» заменит его.")
                       .arg(failure);
        headerRejected_ = true;
        refusalReported_ = true;
    }
    notifier_.MessageBox(message, common::BoxIcon::Warning);
}

bool TRecordStore::IsOnBrowsedDisk(const QString& path) const
{
    if (!IsBrowsing())
        return false;
    const QString disk = QDir::cleanPath(QFileInfo(browseDir_).absoluteFilePath());
    const QString inside = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return inside == disk || inside.startsWith(disk.endsWith(u'/') ? disk : disk + u'/');
}

void TRecordStore::OpenRecordDir()
{
    RequireRecordDir();  // an empty path is the current folder, whose files are not ours
    QDir().mkpath(recordDir_);
    RemoveStaleSaveTemporaries(recordDir_);
    LoadHeaderFile();
}

void TRecordStore::SetRecordDir(const QString& dir)
{
    if (dir.isEmpty())
        return;
    if (!liveFile_.isEmpty())
        throw common::Error(QStringLiteral("Во время записи папку записей сменить нельзя"));
    FinishBackgroundSave();
    SaveHeaderBeforeLeaving();
    awaitingResults_.clear();
    recordDir_ = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    browseDir_.clear();
    dirList_.clear();
    OpenRecordDir();
}

void TRecordStore::SetFilter(int32_t mode, model::TDateTime date)
{
    filterMode_ = mode;
    filterDate_ = date;
}

void TRecordStore::ApplyFilter()
{
    store::ApplyFilter(IsBrowsing() ? dirList_ : headerList_, filterMode_, filterDate_,
                       filteredList_);
}

void TRecordStore::RetitleListedLine(std::size_t line, const QString& title)
{
    filteredList_.at(line).Title = title;
}

void TRecordStore::OpenLiveFile() { liveFile_ = SaveNewRecord(liveRecord_); }

void TRecordStore::FinishLiveFile(bool awaitResults)
{
    if (awaitResults)
        awaitingResults_ = liveFile_;
    const auto close = qScopeGuard([this] { liveFile_.clear(); });
    SaveRecordFile(liveFile_, liveRecord_);
}

void TRecordStore::DiscardLiveFile()
{
    const auto close = qScopeGuard([this] { liveFile_.clear(); });
    if (!liveFile_.isEmpty())
        DeleteRecord(liveFile_);
}

void TRecordStore::RebuildHeader()
{
    FinishBackgroundSave();
    RequireRecordDir();
    model::TBaseHeader rebuilt;
    QStringList unreadable;
    QStringList cut;
    const QDir dir(recordDir_);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Unsorted)) {
        const QString name = info.fileName();
        if (!info.isFile() || info.isSymLink() || !IsSafeRecordName(name) ||
            IsStaleSaveTemporary(recordDir_, name))
            continue;
        model::TBaseRecord rec;
        try {
            if (store::ReadRecordFile(info.filePath(), rec).Cut)
                cut << name;
        } catch (const common::Error& error) {
            unreadable << QStringLiteral("%1 (%2)").arg(name, error.message());
            continue;
        }
        if (rec.Mode != model::NotARecordFile)
            rebuilt.push_back(
                {rec.Title, name, rec.DateTime != 0.0 ? rec.DateTime : FileTimeDays(info)});
    }
    SortByDate(rebuilt);
    headerList_ = std::move(rebuilt);
    headerRejected_ = false;
    refusalReported_ = false;
    SaveHeaderFile();
    QStringList report;
    if (!unreadable.isEmpty())
        report << QStringLiteral("Не прочитаны и не внесены в индекс: %1.")
                      .arg(unreadable.join(QStringLiteral(", ")));
    if (!cut.isEmpty())
        report << QStringLiteral("Прочитаны не полностью (файл обрезан или повреждён): %1.")
                      .arg(cut.join(QStringLiteral(", ")));
    if (!report.isEmpty())
        notifier_.MessageBox(report.join(QLatin1Char('\n')), common::BoxIcon::Warning);
}

void TRecordStore::DeleteRecord(const QString& fileName)
{
    FinishBackgroundSave();
    // The live record's own file may go (a forced stop discards it) unless the disk lists the
    // same name, which a removal of a listed line could mean.
    if (IsBrowsing() && (!IsLiveFile(fileName) || FindEntry(dirList_, fileName) != dirList_.end()))
        throw common::Error(
            QStringLiteral("Записи съемного диска только для чтения: \"%1\" не удалена")
                .arg(fileName));
    const auto entry = FindEntry(headerList_, fileName);
    if (entry == headerList_.end())
        return;
    if (IsSafeRecordName(fileName) && !QFileInfo(recordDir_ + fileName).isDir())
        QFile::remove(recordDir_ + fileName);
    headerList_.erase(entry);
    SaveHeaderFile();
}

void TRecordStore::SetBrowseDir(const QString& dir)
{
    FinishBackgroundSave();
    SaveHeaderBeforeLeaving();
    browseDir_ = dir;
    ScanBrowseDir();
}

void TRecordStore::ScanBrowseDir()
{
    dirList_.clear();
    for (const QFileInfo& info :
         QDir(browseDir_).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        const QString name = info.fileName();
        if (!IsHeaderName(name))
            dirList_.push_back({name, name, FileTimeDays(info)});
    }
    SortByDate(dirList_);
}

model::TSingleChannel* TRecordStore::LiveChannel(int32_t channel)
{
    if (channel < 0)
        throw common::RangeError();
    if (channel >= int32_t(liveRecord_.Channels.size())) {
        notifier_.Beep();
        return nullptr;
    }
    return &liveRecord_.Channels[channel];
}

void TRecordStore::AddChannelPoint(int32_t channel, double x, double y)
{
    if (model::TSingleChannel* target = LiveChannel(channel))
        target->Points.push_back({x, y});
}

void TRecordStore::ScaleChannelX(int32_t channel, double v)
{
    model::TSingleChannel* target = LiveChannel(channel);
    if (!target)
        return;
    if (target->Points.empty()) {
        notifier_.Beep();
        return;
    }
    const double last = target->Points.back().X;
    const double factor = last != 0.0 ? v / last : 0.0;
    for (model::TPoint& point : target->Points)
        point.X *= factor;
}

}
