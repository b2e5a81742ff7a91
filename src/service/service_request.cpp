#include "service/service_request.h"

#include "common/notifier.h"
#include "link/instrument_link.h"

namespace lmv::service {

namespace {

TServiceResult FailureOf(link::TRequestEnd end)
{
    switch (end) {
    case link::TRequestEnd::Refused:
        return TServiceResult::Refused;
    case link::TRequestEnd::NotSent:
        return TServiceResult::NotSent;
    case link::TRequestEnd::BadAnswer:
        return TServiceResult::BadAnswer;
    case link::TRequestEnd::LinkClosed:
        return TServiceResult::LinkClosed;
    case link::TRequestEnd::Answered:
    case link::TRequestEnd::NoAnswer:
        break;
    }
    return TServiceResult::NoAnswer;
}

}

// Each fits the status line's panel of 300 px.
QString ServiceFailureText(TServiceResult result)
{
    switch (result) {
    case TServiceResult::Done:
    case TServiceResult::Cancelled:
        return {};
    case TServiceResult::Refused:
        return QStringLiteral("Не отправлено: прошлый запрос ждёт ответа");
    case TServiceResult::InvalidRequest:
        return QStringLiteral("Не отправлено: значение вне диапазона");
    case TServiceResult::ClockOutOfRange:
        return QStringLiteral("Не отправлено: год на ПК вне 2000–2255");
    case TServiceResult::NotSent:
        return QStringLiteral("Не отправлено: порт не принял запрос");
    case TServiceResult::NoAnswer:
        return QStringLiteral("Прибор не ответил на запрос");
    case TServiceResult::LinkClosed:
        return QStringLiteral("Связь прервалась до ответа прибора");
    case TServiceResult::WrongAnswer:
        return QStringLiteral("Прибор ответил не на этот запрос");
    case TServiceResult::BadAnswer:
        return QStringLiteral("Прибор прислал неверный ответ");
    case TServiceResult::FileFailed:
        return QStringLiteral("Файл блокнота не записан");
    }
    return {};
}

bool RequestCanStart(const link::TInstrumentLink& link, common::Notifier& notifier)
{
    if (!link.AwaitingReply())
        return true;
    notifier.Beep();
    return false;
}

TAskResult AskInstrument(link::TInstrumentLink& link, common::Notifier& notifier, uint8_t code,
                         int len)
{
    std::optional<link::TRxFrame> answer = link.Request(code, len);
    if (!answer)
        return {std::nullopt, FailureOf(link.LastRequestEnd())};
    if (answer->code() != code) {
        notifier.Beep();
        return {std::nullopt, TServiceResult::WrongAnswer};
    }
    return {std::move(answer), TServiceResult::Done};
}

}
