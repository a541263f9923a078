// SPDX-License-Identifier: MIT
#include "app/journal/ResultsExport.h"

#include "app/store/SafeFile.h"
#include "logic/JournalFormat.h"

namespace ResultsExport {

bool saveCsv(const QString& path, const std::vector<const Record::LabResult*>& results,
             QString* reason) {
    std::string text = Record::csvHeader() + '\n';
    for (const Record::LabResult* result : results)
        text += Record::csvLine(*result) + '\n';
    return SafeFile::replace(path, QByteArray::fromStdString(text), reason);
}

} // namespace ResultsExport
