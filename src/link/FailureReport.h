#pragma once

#include <QString>

#include "link/LinkIndicators.h"

namespace tq::link {

/// The program's one way of reporting a trapped failure: the routine's or
/// file's name, ": Err ", the failure number, ". " and its description
/// ("gSendSync: Err 8018. Port not open").
QString failureReport(const QString& where, int number, const QString& description);

/// The report for any failure that carries a number and a description.
template <typename Failure>
QString failureReport(const QString& where, const Failure& failure) {
    return failureReport(where, failure.number(), failure.description());
}

/// Shows the report in the information box.
template <typename Failure>
void reportFailure(LinkIndicators& indicators, const QString& where, const Failure& failure) {
    indicators.showErrorInfo(failureReport(where, failure));
}

}  // namespace tq::link
