#include "Hasard.h"

std::mt19937& Hasard()
{
    static std::mt19937 generateur{std::random_device{}()};
    return generateur;
}

int AvanceHasard(std::mt19937& generateur, const QDateTime& moment)
{
    const QTime t = moment.time();
    const int tirages = (moment.date().dayOfYear() * 7 + t.hour() * 3600 + t.minute() * 60 + t.second() + t.msec()) % 256;
    generateur.discard(static_cast<unsigned long long>(tirages));
    return tirages;
}
