#include "Bcchksum.h"

#include "Convert.h"
#include "Exceptions.h"

std::string CheckSumModulo10(std::string_view s) {
    int sum = 0;
    int place = 1; // counted from the right
    for (auto it = s.rbegin(); it != s.rend(); ++it, ++place) {
        const char c = *it;
        if (c < '0' || c > '9') throw EConvertError(InvalidIntegerMessage(std::string_view(&c, 1)));
        sum += (c - '0') * (place % 2 == 1 ? 3 : 1);
    }
    const int check = (10 - sum % 10) % 10;
    std::string result(s);
    result += char('0' + check);
    return result;
}
