#pragma once
// Reads pages of the photometer's notebook, one page for its fields or every page into a text
// file (Windows-1251, CR LF). The file is written through a temporary file and renamed, also when
// the dump fails part-way, on a page not read or a line not written (a full disk): it then holds
// the whole lines written before the failure, and the message names the page and the cause.
#include "common/desktop.h"
#include "service/notebook_page.h"
#include "service/service_request.h"

#include <functional>

namespace lmv::service {

inline constexpr int LastNotebookPage = 255;

class TNotebookService {
public:
    TNotebookService(link::TInstrumentLink& link, common::Notifier& notifier,
                     common::TDesktop& desktop);

    // The dialog of the notebook file.
    static common::TFileDialogRequest FileDialogRequest();

    // Page counted from 1. An empty page changes no field.
    TServiceResult ReadPage(int page);

    struct TDumpView {
        std::function<void(int page)> showChooser;  // the page being read, then the former one
        std::function<void()> showFields;  // after each page read
    };
    // Asks for the file, then reads pages 1, 2, ... up to the first empty one. The chooser gets
    // `chooserValue` back however the dump ends.
    TServiceResult DumpToFile(int chooserValue, const TDumpView& view);

    const TNotebookFields& Fields() const { return fields_; }

private:
    enum class TPageRead { Filled, Empty, Failed };
    // A failed read sets *cause; one with a bad field also sets *failure, the field's error.
    TPageRead AskPage(int page, QString* failure, TServiceResult* cause);
    TServiceResult WritePages(const QString& fileName, const TDumpView& view);

    link::TInstrumentLink& link_;
    common::Notifier& notifier_;
    common::TDesktop& desktop_;
    TNotebookFields fields_;
};

}
