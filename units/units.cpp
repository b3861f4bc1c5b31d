#include "units/units.h"

// The table's own pi, ten decimals. It only feeds the angle factors below.
constexpr double g_pi = 3.1415926535;

int g_unitCount = 0;

// Texts are UTF-8. Rows of one category are contiguous, categories ascend,
// a category's base unit stands first; the temperature rows stand in the
// order Celsius, Fahrenheit, Kelvin, which the temperature page relies on.
// The angle factors multiply g_pi by the double nearest the fraction (not a
// division by the denominator: that differs in the last bit).
// clang-format off
constexpr UnitRecord g_units[kTableRows] = {

    // length
    {kLength, 1, "metr", "meter", "m", 1.0},
    {kLength, 0, "kilometr", "kilometer", "km", 1000.0},
    {kLength, 0, "centimetr", "centimeter", "cm", 0.01},
    {kLength, 0, "milimetr", "milimeter", "mm", 0.001},
    {kLength, 0, "palec", "inch", "in", 0.0254},
    {kLength, 0, "stopa", "foot", "ft.", 0.3048},
    {kLength, 0, "yard", "yard", "yd.", 0.9144},
    {kLength, 0, "míle", "mile", "mi.", 1609.344},
    {kLength, 0, "námořní míle", "nautical mile", "n.m.", 1852.0},
    {kLength, 0, "zeměpisná míle", "geographical mile", "", 7420.0},
    {kLength, 0, "furlong", "furlong", "fur.", 201.168},
    {kLength, 0, "mil (mili-palec", "mil (milli-inch)", "mil", 2.54e-05},
    {kLength, 0, "astronomická jednotka", "astronomical unit", "AU", 149597870000.0},
    {kLength, 0, "světelný rok", "light year", "ly", 9460500000000000.0},
    {kLength, 0, "parsek", "parsec", "pc", 3.0857e+16},
    {kLength, 0, "fermi", "fermi", "fm", 1e-15},
    {kLength, 0, "angstöm", "angstöm", "A", 1e-10},
    {kLength, 0, "jednotka X", "X unit", "X", 1.002e-13},
    {kLength, 0, "inženýrský řetěz (chain)", "engineer's chain", "", 30.48},
    {kLength, 0, "Gunterův řetez", "chain (Gunter's chain)", "ch", 20.1168},
    {kLength, 0, "link", "link", "", 0.201168},
    {kLength, 0, "prut (tyč, perch, bidlo)", "rod (pole, perch)", "rd.", 5.0292},
    {kLength, 0, "fathom", "fathom", "fm.", 1.8288},
    {kLength, 0, "loket", "cubit, ell", "", 0.777558},

    // volume
    {kVolume, 1, "krychlový metr", "cubic meter", "m3", 1.0},
    {kVolume, 0, "litr (1l = 1dm3)", "liter (1l = 1dm3)", "l", 0.001},
    {kVolume, 0, "kubický yard", "cubic yard", "cu yd", 0.764554857984},
    {kVolume, 0, "kubický foot", "cubic foot", "cu ft", 0.028316846592},
    {kVolume, 0, "kubický inch", "cubic inch", "cu in", 1.6387064e-05},
    {kVolume, 0, "chaldron", "chaldron", "", 1.30927392},
    {kVolume, 0, "quarter", "quarter", "", 0.29094976},
    {kVolume, 0, "lžíce", "tablespoon", "tbsp.", 1.478676478125e-05},
    {kVolume, 0, "lžička", "teaspoon", "tsp.", 4.92892159375e-06},
    {kVolume, 0, "minim UK", "minim UK", "", 5.91938802083333e-08},
    {kVolume, 0, "barrel US", "barrel US", "bl.", 0.158987294928},
    {kVolume, 0, "gallon US", "gallon US", "gal.", 0.003785411784},
    {kVolume, 0, "quart US", "quart US", "US qt", 0.000946352946},
    {kVolume, 0, "liquid pint US", "liquid pint US", "liq·pt", 0.000473176473},
    {kVolume, 0, "gill US", "gill US", "", 0.00011829411825},
    {kVolume, 0, "US cup", "US cup", "c.", 0.0002365882365},
    {kVolume, 0, "fluid ounce US", "fluid ounce US", "fl.oz", 2.95735295625e-05},
    {kVolume, 0, "US fluid drams", "US fluid drams", "US fl dr", 3.6966911953125e-06},
    {kVolume, 0, "dry barrel US", "dry barrel US", "bbl", 0.115627123584},
    {kVolume, 0, "bushel US", "bushel US", "bu.", 0.03523907016688},
    {kVolume, 0, "US peck", "US peck", "pk.", 0.00880976754172},
    {kVolume, 0, "dry quart US", "dry quart US", "dry qt", 0.001101220942715},
    {kVolume, 0, "dry pint US", "dry pint US", "dry pt", 0.0005506104713575},
    {kVolume, 0, "hogshead UK", "hogshead UK", "", 0.238669725},
    {kVolume, 0, "bushel UK", "bushel UK", "bu.", 0.03636872},
    {kVolume, 0, "peck UK", "peck UK", "", 0.00909218},
    {kVolume, 0, "gallon UK", "gallon UK", "gal.", 0.00454609},
    {kVolume, 0, "quart UK", "quart UK", "UK qt", 0.0011365225},
    {kVolume, 0, "pint UK", "pint UK", "pt.", 0.00056826125},
    {kVolume, 0, "gill UK", "gill UK", "gi.", 0.0001420653125},
    {kVolume, 0, "fluid ounce UK", "fluid ounce UK", "fl.oz", 2.84130625e-05},
    {kVolume, 0, "fluid drachm UK", "fluid drachm UK", "", 3.5516328125e-06},
    {kVolume, 0, "fluid scruple UK", "fluid scruple UK", "", 1.18387760416667e-06},
    {kVolume, 0, "register ton", "register ton", "RT", 2.8316846593},
    {kVolume, 0, "cord", "cord", "", 3.624556363776},

    // mass
    {kMass, 1, "kilogram", "kilogram", "kg", 1.0},
    {kMass, 0, "metrický cent", "metric cent", "q", 100.0},
    {kMass, 0, "tuna", "ton", "t", 1000.0},
    {kMass, 0, "metrický karát", "metric carat", "Kt", 0.0002},
    {kMass, 0, "atomová hmotnostní jednotka", "atomic weight unit", "u", 1.6605655e-27},
    {kMass, 0, "metr.tech.jedn.hmotnosti", "metric techn.weight unit", "", 9.80665},
    {kMass, 0, "pound", "pound", "lb", 0.45359237},
    {kMass, 0, "ounce", "ounce", "oz", 0.028349523125},
    {kMass, 0, "dram", "dram", "dr", 0.0017718451953125},
    {kMass, 0, "špetka", "grain", "gr", 6.479891e-05},
    {kMass, 0, "quarter", "quarter", "qr", 12.701},
    {kMass, 0, "short ton (US)", "short ton (US)", "ton", 907.18474},
    {kMass, 0, "short hundredweight (US)", "short hundredweight (US)", "cwt", 45.359237},
    {kMass, 0, "long ton (UK)", "long ton (UK)", "ton", 1016.0469088},
    {kMass, 0, "long hundredweight (UK)", "long hundredweight (UK)", "cwt", 50.80234544},
    {kMass, 0, "british cental", "british cental", "", 45.359237},
    {kMass, 0, "apoth. scruple", "apoth. scruple", "sc.", 0.0012959782},
    {kMass, 0, "kámen", "stone", "", 6.35029318},
    {kMass, 0, "trojská pound", "troy pound", "lb t", 0.3732417216},
    {kMass, 0, "trojská ounce", "troy ounce", "tr oz", 0.0311034768},
    {kMass, 0, "trojský dram", "troy dram", "dr.", 0.0038879346},
    {kMass, 0, "trojská pennyweight", "troy pennyweight", "dwt.", 0.00155517384},
    {kMass, 0, "slug", "slug", "", 14.593902937206362},
    {kMass, 0, "drachm", "drachm", "", 0.0038879},

    // temperature
    {kTemperature, 0, "Stupeň Celsia", "Celsius degree", "C", 0.0},
    {kTemperature, 0, "Stupeň Fahrenheita", "Fahrenheit degree", "°F", 0.0},
    {kTemperature, 0, "Kelvin", "Kelvin", "K", 0.0},

    // area
    {kArea, 1, "čtverečný metr", "square meter", "m4", 1.0},
    {kArea, 0, "čtverečný kilometr", "square kilometer", "km4", 1000000.0},
    {kArea, 0, "hektar", "hectare", "ha", 10000.0},
    {kArea, 0, "ar", "ar", "a", 100.0},
    {kArea, 0, "barn", "barn", "", 1e-28},
    {kArea, 0, "township", "township", "", 93239571.972096},
    {kArea, 0, "ctverecní míle", "square mile", "mile4", 2589988.110336},
    {kArea, 0, "statek (usedlost)", "homestead", "", 647497.027584},
    {kArea, 0, "acre", "acre", "acre", 4046.8564224},
    {kArea, 0, "rood", "rood", "rood", 1011.7141056},
    {kArea, 0, "čtverečný yard", "square yard", "sq yd", 0.83612736},
    {kArea, 0, "čtverečný foot", "square foot", "sq ft", 0.09290304},
    {kArea, 0, "čtverečný inch", "square inch", "sq in", 0.00064516},

    // density
    {kDensity, 1, "gram na metr krychlový", "gram per cubic meter", "g/m3", 1.0},
    {kDensity, 0, "gram na centimetr krychlový", "gram per cubic centimeter", "g/cm3", 1000000.0},
    {kDensity, 0, "kilogram na metr krychlový", "kilogram per cubic meter", "kg/m3", 1000.0},
    {kDensity, 0, "miligram na metr krychlový", "miligram per cubic meter", "mg/m3", 0.001},
    {kDensity, 0, "ounce na gallon (UK)", "ounce per gallon (UK)", "", 6236.02329144386},
    {kDensity, 0, "ounce na gallon (US)", "ounce per gallon (US)", "", 7489.1517073060395},
    {kDensity, 0, "pound na krychlovou stopu", "pound per cubic foot", "", 16018.4633739601},
    {kDensity, 0, "pound na krychlový inch", "pound per cubic inch", "", 27679904.710203122},
    {kDensity, 0, "slug na krychlovou stopu", "slug per cubic foot", "", 515378.8183931961},

    // force
    {kForce, 1, "newton", "newton", "N", 1.0},
    {kForce, 0, "kilopond", "kilopond", "kp", 9.80665},
    {kForce, 0, "kilogramme-force", "kilogramme-force", "kgf", 9.80665},
    {kForce, 0, "tonne-force", "tonne-force", "", 9806.65},
    {kForce, 0, "tons force UK", "tons force UK", "", 9964.016},
    {kForce, 0, "tons force US", "tons force US", "", 8896.443},
    {kForce, 0, "poundal-force US", "poundal-force US", "lbf", 4.4482216153},
    {kForce, 0, "kip", "kip", "", 4448.2216153},
    {kForce, 0, "ounce force", "ounce force", "ozf", 0.278013851},
    {kForce, 0, "poundal UK", "poundal UK", "pdl", 0.1382549544},
    {kForce, 0, "grain force", "grain force", "grf", 0.0006354602},
    {kForce, 0, "dyn", "dyn", "dyn", 1e-05},
    {kForce, 0, "sten", "sten", "sn", 1000.0},

    // pressure
    {kPressure, 1, "pascal", "pascal", "Pa", 1.0},
    {kPressure, 0, "hektopascal", "hectopascal", "hPa", 100.0},
    {kPressure, 0, "bar", "bar", "bar", 100000.0},
    {kPressure, 0, "milibar", "milibar", "mbar", 100.0},
    {kPressure, 0, "pieze", "pieze", "pz", 1000.0},
    {kPressure, 0, "fyzikální atmosféra", "physical atmosphere", "atm", 101325.0},
    {kPressure, 0, "konvenční mm vodního sl.", "convential mm of water", "mm H2O", 9.80665},
    {kPressure, 0, "konv. mm rtuťového sloupce", "convential mm of mercury", "mm Hg", 133.322},
    {kPressure, 0, "torr", "torr", "Torr", 133.322},
    {kPressure, 0, "pound-force na čtver. inch", "pound-force per sq. inch", "psi", 6894.76},
    {kPressure, 0, "ounce-force na čtver. inch", "ounce-force per sq. inch", "osi", 430.9225},
    {kPressure, 0, "konvenční foot vodního sl.", "convential foot of water", "ft H2O", 2989.07},
    {kPressure, 0, "konvenční inch vodního sl.", "convential inch of water", "in H2O", 249.089},

    // work and energy
    {kEnergy, 1, "joule", "joule", "J", 1.0},
    {kEnergy, 0, "kilopondmetr", "kilopondmetr", "kp·m", 9.80665},
    {kEnergy, 0, "kalorie", "calorie", "cal", 4.1868},
    {kEnergy, 0, "termochemická kalorie", "thermochemical calorie", "cal th", 4.184},
    {kEnergy, 0, "Btu (Steam Table British Thermal Unit)", "Btu (Steam Table British Thermal Unit)", "Btu", 1055.056},
    {kEnergy, 0, "therm", "therm", "", 105505600.0},
    {kEnergy, 0, "erg", "erg", "erg", 1e-07},
    {kEnergy, 0, "watthodina", "watthour", "Wh", 3600.0},
    {kEnergy, 0, "elektronvolt", "elektronvolt", "eV", 1.6021917e-19},
    {kEnergy, 0, "rydberg", "rydberg", "", 2.179845895518e-18},

    // power
    {kPower, 1, "watt", "watt", "W", 1.0},
    {kPower, 0, "kilowatt", "kilowatt", "kW", 1000.0},
    {kPower, 0, "kilopond metr za sekundu", "kilopond meter per second", "kp·m/s", 9.80665},
    {kPower, 0, "kilokalorie za hodinu", "kilocalorie per hour", "kcal/h", 1.163},
    {kPower, 0, "kalorie za sekundu", "calorie per second", "cal/s", 4.1868},
    {kPower, 0, "Btu za hodinu", "Btu per hour", "Btu/h", 0.293071},
    {kPower, 0, "erg za sekundu", "erg per second", "erg/s", 1e-07},
    {kPower, 0, "kun", "kun", "ks", 735.499},
    {kPower, 0, "koňská síla", "horse power", "HP", 745.7},
    {kPower, 0, "mezinárodní watt", "international watt", "W int.", 1.00019},
    {kPower, 0, "pound-force za sekundu", "pound-force per second", "lbf·ft/s", 1.35582},

    // angle
    {kAngle, 1, "radián", "radian", "rad", 1.0},
    {kAngle, 0, "stupeň", "degree", "°", g_pi * (1.0 / 180)},
    {kAngle, 0, "minuta", "minute", "'", g_pi * (1.0 / 10800)},
    {kAngle, 0, "vteřina", "second", "\"", g_pi * (1.0 / 648000)},
    {kAngle, 0, "grad", "gread", "g", g_pi * (1.0 / 200)},
    {kAngle, 0, "centigrad", "centigrad", "`", g_pi * (1.0 / 20000)},
    {kAngle, 0, "dílec", "piece", "", g_pi * (1.0 / 3000)},
    {kAngle, 0, "delostřelecký dílec", "cannoneer piece", "", g_pi * (1.0 / 3200)},
    {kAngle, 0, "matematický dílec", "mathematical piece", "dc", 0.001},
    {kAngle, 0, "pravý úhel", "perpendicular angle", "L", g_pi * (1.0 / 2)},

    // time
    {kTime, 1, "sekunda", "second", "s", 1.0},
    {kTime, 0, "minuta", "minute", "min", 60.0},
    {kTime, 0, "hodina", "hour", "h", 3600.0},
    {kTime, 0, "den (střední sluneční)", "day (average solar)", "d", 86400.0},
    {kTime, 0, "hvezdný (siderický) den", "sideral day", "", 86164.09054},
    {kTime, 0, "týden", "week", "", 604800.0},
    {kTime, 0, "měsíc", "month", "", 2629800.0},
    {kTime, 0, "siderický měsíc", "sideral month", "", 2360594.88},
    {kTime, 0, "rok (juliánský)", "julian year", "", 31557600.0},
    {kTime, 0, "gregoriánský rok", "gregorian year", "", 31556952.0},
    {kTime, 0, "obyčejný rok", "year", "", 31536000.0},
    {kTime, 0, "přestupný rok", "over-year", "", 31622400.0},
    {kTime, 0, "tropický rok", "tropical year", "a", 31556925.71},
    {kTime, 0, "hvězdný (siderický) rok", "sideral year", "", 31558149.54},
    {kTime, 0, "století", "century", "", 3155760000.0},
    {kTime, 0, "milénium", "millenium", "", 31557600000.0},

    // speed
    {kSpeed, 1, "metry za sekundu", "meter per second", "m/s", 1.0},
    {kSpeed, 0, "kilometry za hodinu", "kilometer per hour", "km/h", 0.277777777777},
    {kSpeed, 0, "metry za minutu", "meter per minute", "m/min", 0.01666666666666},
    {kSpeed, 0, "stopy za sekundu", "foot per second", "ft/s", 0.3048},
    {kSpeed, 0, "stopy za hodinu", "foot per hour", "ft/hour", 8.466666666666667e-05},
    {kSpeed, 0, "míle za hodinu", "mile per hour", "MPH", 0.44704},
    {kSpeed, 0, "mezinárodní uzel (knots)", "international knots", "kn", 0.514444444444},
    {kSpeed, 0, "námořní uzel", "admiralty knot", "", 0.5147733333333333},
    {kSpeed, 0, "poledníková tercie", "meridian tercie", "", 0.5},
    {kSpeed, 0, "mach (úroveň moře, při 0°C)", "mach (at sea level, 0°C)", "Ma", 331.46},
    {kSpeed, 0, "rychlost světla", "light speed", "c", 299792458.0},

    // flow rate
    {kFlow, 1, "metr krychlový za sekundu", "cubic meter per second", "m3/s", 1.0},
    {kFlow, 0, "metr krychlový za minutu", "cubic meter per minute", "m3/m", 1.0 / 60},
    {kFlow, 0, "metr krychlový za hodinu", "cubic meter per hour", "m3/h", 1.0 / 3600},
    {kFlow, 0, "metr krychlový za den", "cubic meter per day", "m3/d", 1.0 / 86400},
    {kFlow, 0, "litr za sekundu", "liter per second", "l/s", 0.001},

    // end of the table
    {kEndCategory, 0, "", "", "", 0.0},
};
// clang-format on

int CountUnitRows(const UnitRecord* table, int rows)
{
    if (rows <= 0 || table[0].category == kEndCategory)
        return 0;
    int row = 1;
    while (row < rows && table[row].category != kEndCategory)
        ++row;
    return row;
}

const UnitRecord& UnitAt(int row)
{
    if (row < 0 || row >= kTableRows)
        return g_units[kTableRows - 1];
    return g_units[row];
}

bool IsCzechLanguageCode(std::string_view code)
{
    return code == "CZ";
}

const char* UnitName(const UnitRecord& unit, bool czech)
{
    return czech ? unit.czechName : unit.englishName;
}
