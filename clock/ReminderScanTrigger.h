#pragma once

#include <functional>

class QTimer;

// The tick's part of the reminder engine: when the next due time has passed, run the scan
// with the tick timer switched off, so that no tick starts inside a scan (the scan opens
// windows and lets events be processed). The timer runs again afterwards even when the scan
// fails. Returns whether the scan ran.
bool RunReminderScanWhenDue(QTimer& tickTimer, double now, double nextShowDT, const std::function<void()>& scan);
