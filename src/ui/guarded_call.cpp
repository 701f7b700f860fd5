#include "ui/guarded_call.h"

#include <exception>

#include "core/exception.h"
#include "core/platform.h"
#include "core/texts.h"

namespace {

const char* Caption(ErrorCaptions captions, const char (&table)[2][32])
{
    return captions == ErrorCaptions::Dialog ? LangTextIn(table, 0) : LangText(table);
}

} // namespace

bool GuardedCall(ErrorCaptions captions, const std::function<void()>& call)
{
    try {
        call();
        return true;
    } catch (const CException& error) {
        Platform().ShowMessage(error.message, Caption(captions, T_ERROR), MessageIcon::Error, MessageButtons::Ok);
    } catch (...) {
        Platform().ShowMessage(kUnknownErrorText, Caption(captions, T_APPLICATION_ERROR), MessageIcon::Error,
                               MessageButtons::Ok);
    }
    return false;
}
