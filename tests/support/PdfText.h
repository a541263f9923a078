// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The text of a PDF as a reader sees it (pdftotext), blanks run together; or line by line as
// laid out on the page, so that a table's rows are read across.
QString pdfText(const QString& path, bool layout = false);
