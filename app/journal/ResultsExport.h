// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>

#include <vector>

// The results shown, as a journal of the lab: the same columns, quoting and names kept from
// spreadsheets' formulas, so that the view and the spreadsheets read it like any results.csv.
namespace ResultsExport {

// Written whole in the file's place, or not at all; false, with the reason, when not.
bool saveCsv(const QString& path, const std::vector<const Record::LabResult*>& results,
             QString* reason);

} // namespace ResultsExport
