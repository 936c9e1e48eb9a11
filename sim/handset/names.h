#ifndef NAMES_H
#define NAMES_H

// Bus names, object paths and interfaces of the handset's daemons, and of the
// simulator's own control interface.
namespace Names {
constexpr const char *IcdService = "com.nokia.icd2";
constexpr const char *IcdPath = "/com/nokia/icd2";
constexpr const char *IcdInterface = "com.nokia.icd2";
constexpr const char *PhoneNetService = "com.nokia.phone.net";
constexpr const char *PhoneNetPath = "/com/nokia/phone/net";
constexpr const char *NotificationsService = "org.freedesktop.Notifications";
constexpr const char *NotificationsPath = "/org/freedesktop/Notifications";
constexpr const char *ControlService = "org.zelvit.HandsetSim";
constexpr const char *ControlPath = "/org/zelvit/HandsetSim";
}

#endif
