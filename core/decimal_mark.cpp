#include "core/decimal_mark.h"

namespace anod {
namespace {
char decimal_mark = '.';
}  // namespace

char LocaleDecimalMark() { return decimal_mark; }
void SetLocaleDecimalMark(char mark) { decimal_mark = mark; }

}  // namespace anod
