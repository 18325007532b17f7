#pragma once
// In a window session the host's alerts are message boxes.
void InstallWindowAlerts();
