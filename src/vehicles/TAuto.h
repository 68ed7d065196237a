// The register record of one vehicle.
#pragma once

#include <QString>
#include <cstdint>

struct TAuto {
    QString Name;
    QString Model;
    int32_t Year = 0;
    QString VIN;
    QString Plate;
    double LastRead = 0; // days since 30 December 1899, fraction = time of day
    QString Comment;
    QString CalID; // hexadecimal digits of the ECU's calibration code
    int32_t CarProfile = 0; // position of the car profile; -1 when none was chosen
};
