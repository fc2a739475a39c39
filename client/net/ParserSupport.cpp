#include "net/ParserSupport.h"

#include "app/ClientLog.h"
#include "net/JsonRead.h"

namespace parsers {

int responseOf(const Json::Value& answer) {
    const Json::Value& response = JsonRead::member(answer, "response");
    if (response.isNull()) return 0;
    if (response.isIntegral() || response.isDouble() || response.isBool()) return JsonRead::toInt(response);
    ClientLog::write("answer member response is not a number; nothing stored");
    return kOtherResponse;
}

bool convention(const Json::Value& answer, int* code) {
    const int response = responseOf(answer);
    if (response == 1) {
        setCode(code, 0);
        return true;
    }
    if (response == 0) {
        setCode(code, 1);
    }
    return false;
}

bool oneOrElse(const Json::Value& answer, int* code) {
    const bool ok = responseOf(answer) == 1;
    setCode(code, ok ? 0 : 1);
    return ok;
}

} // namespace parsers
