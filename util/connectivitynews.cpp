#include "util/connectivitynews.h"

ConnectivityNews *ConnectivityNews::instance()
{
    static ConnectivityNews news;
    return &news;
}

bool ConnectivityNews::answered()
{
    return instance()->heard;
}

void ConnectivityNews::announce(bool connected)
{
    instance()->heard = true;
    emit instance()->changed(connected);
}
