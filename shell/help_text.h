// What the sheet's Help button shows.
#pragma once

constexpr char kHelpText[] =
    "Jednotar jednotek převádí hodnoty mezi jednotkami téže veličiny.\n"
    "\n"
    "Na kartě zvolte veličinu a pak:\n"
    "1. Do pole Vstupní hodnota napište číslo (desetinná tečka).\n"
    "2. V seznamu vedle něj zvolte jednotku, v níž číslo je.\n"
    "3. V seznamu pod ním zvolte jednotku, do níž se má převést.\n"
    "Výsledek se objeví v poli Vypočtená hodnota a přepočítá se při každé změně.\n"
    "\n"
    "V systémové nabídce okna (ikona vlevo nahoře) najdete:\n"
    "Nastavení přesnosti... - počet desetinných míst výsledků (0 až 10),\n"
    "O programu Jednotar... - informace o programu.";
