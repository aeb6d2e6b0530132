#pragma once

#include <QByteArrayView>

#include "history/Generators.h"

namespace quendaro {

// The words a generator's history entries share from one to the next (the
// sheet's style and markup, the record's and the window's names), which
// each entry is deflated against, so that a row costs its own values and
// little more: 10000 rows fit in about 10 MB rather than 35.
QByteArrayView PackingWords(Generator generator);

}  // namespace quendaro
