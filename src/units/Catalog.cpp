#include "units/Catalog.h"

#include <algorithm>
#include <utility>

#include "text/Texts.h"

namespace quillex {
namespace {

// Constant names are lined up to 45 characters and their unit texts to 14, unit names to 25.
consteval CatalogEntry Constant(std::string_view name, std::string_view unit,
                                std::string_view value) {
    return {name, 45, unit, 14, value};
}
consteval CatalogEntry Unit(std::string_view name, std::string_view unit, std::string_view value) {
    return {name, 25, unit, 0, value};
}

// The first entry id of each submenu after the constants, the last unit index of each, and
// the unit indexes after which a separator follows.
struct UnitGroup {
    std::string_view title;
    std::size_t first;
    std::size_t last;
    std::vector<std::size_t> separatorsAfter;
};

// Labels that the general rule would space or word differently, by unit index.
const std::pair<std::size_t, std::string_view> kLabelExceptions[] = {
    {1, "A .. Ampere [1 A]"},
    {9, "bar .. bar  [100000 kg/m*s^2]"},
    {10, "bbl .. barrel, oil [0.158987294928 m^3]"},
    {16, "cal .. IST calorie    [4.1868 kg*m^2/s^2]"},
    {19, "Ci  .. curie   [37000000000 1/s]"},
    {20, "ct  .. carat   [0.0002 kg]"},
    {21, "cu  .. cup     [2.365882365E-4 m^3]"},
    {31, "ferm.. fermi   [1E-15 m]"},
    {33, "ft  .. int'l foot  [0.3048 m]"},
    {43, "Gy  .. gray  [1 m^2/s^2]"},
    {49, "inHg.. (0\260C)  [3386.38815789 kg/m*s^2]"},
    {61, "lx  .. lux   [7.95774715459E-2 cd/m^2]"},
    {69, "mmHg.. (0\260C)  [133.322368421 kg/m*s^2]"},
    {85, "psi .. psi  [6894.75729317 kg/m*s^2]"},
    {86, "pt  .. pint [0.000473176473 m^3]"},
    {119, "\260R .. \260R  [0.55555555556 \260K]"},
};

std::string_view TrimTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

// \260 is the degree sign and \265 the micro sign in code page 1252 (bytes B0 and B5); an octal
// escape ends after three digits, so the letter after it stays a letter.
constexpr std::array<CatalogEntry, kConstantCount> kConstants = {
    Constant("Avogadro constant [1/mol]", "[1/mol]", "6.0221367E+023"),
    Constant("Bohr magneton [J/T]", "[J/T]", "9.2740154E-024"),
    Constant("Bohr radius  [m]", "[m]", "5.29177249E-011"),
    Constant("Boltzmann constant [J/K]", "[J/K]", "1.380657E-023"),
    Constant("Electron charge-to-mass ratio [C/kg]", "[C/kg]", "175881961000"),
    Constant("Electron Compton wavelength [m]", "[m]", "2.42631058E-012"),
    Constant("Electron magnetic moment [J/T]", "[J/T]", "9.284770000000001E-024"),
    Constant("Electron mass [kg]", "[kg]", "9.109389699999999E-031"),
    Constant("Elementary charge [C]", "[C]", "1.60217738E-019"),
    Constant("Faraday constant [C/mol]", "[C/mol]", "96485.30899999999"),
    Constant("Gravitational constant [m^3/s^2*kg]", "[m^3/s^2*kg]", "6.6726E-011"),
    Constant("Molar volume of ideal gas at STP [m^3/mol]", "[m^3/mol]", "0.02241409"),
    Constant("Muon mass [kg]", "[kg]", "1.8835326E-028"),
    Constant("Neutron mass [kg]", "[kg]", "1.6749286E-027"),
    Constant("Nuclear magneton [J/T]", "[J/T]", "5.0507865E-027"),
    Constant("Permeability constant [H/m]", "[H/m]", "1.25663706143E-006"),
    Constant("Permittivity constant [F/m]", "[F/m]", "8.85418781762E-012"),
    Constant("Planck constant [J*s]", "[J*s]", "6.6260754E-034"),
    Constant("Proton magnetic moment [J/T]", "[J/T]", "1.41060761E-026"),
    Constant("Proton mass [kg]", "[kg]", "1.672623E-027"),
    Constant("Rydberg constant [1/m]", "[1/m]", "10973731.534"),
    Constant("Speed of light in vacuum [m/s]", "[m/s]", "299792458"),
    Constant("Stefan-Boltzmann constant [W/m^2*K^4]", "[W/m^2*K^4]", "5.6705E-008"),
    Constant("Universal gas constant [J/mol*K]", "[J/mol*K]", "8.31451"),
};

constexpr std::array<CatalogEntry, kUnitCount> kUnits = {
    Unit("are", "[m^2]", "100"),
    Unit("A .. Ampere", "[1 A]", "1"),
    Unit("acre", "[m^2]", "4046.87260987"),
    Unit("arcmin .. minute of arc", "[1]", "4.62962962963E-5"),
    Unit("arcs .. seconds of arc", "[1]", "7.71604938272E-7"),
    Unit("atm .. std. atmosphere", "[kg/m*s^2]", "101325"),
    Unit("au  .. 149597900000", "[m]", "149597900000"),
    Unit("A\260  .. angstrom", "[m]", "0.0000000001"),
    Unit("b   .. barn", "[m^2]", "1E-28"),
    Unit("bar .. bar", "[kg/m*s^2]", "100000"),
    Unit("bbl .. barrel  oil", "[m^3]", "0.158987294928"),
    Unit("Bq  .. becquerel", "[1/s]", "1"),
    Unit("Btu .. (IST)", "[kg*m^2/s^2]", "1"),
    Unit("bu  .. bushel", "[m^3]", "0.3523907"),
    Unit("c   .. speed of light", "[m/s]", "299792458"),
    Unit("C   .. coulomb", "[A*s]", "1"),
    Unit("cal .. IST calorie", "[kg*m^2/s^2]", "4.1868"),
    Unit("cd  .. candela", "[cd]", "1"),
    Unit("chain .. chain", "[m]", "20.1168402337"),
    Unit("Ci  .. curie", "[1/s]", "37000000000"),
    Unit("ct  .. carat", "[kg]", "0.0002"),
    Unit("cu  .. cup", "[m^3]", "2.365882365E-4"),
    Unit("d   .. day", "[s]", "86400"),
    Unit("dyn .. dyne", "[kg*m/s^2]", "1"),
    Unit("erg .. erg", "[kg*m^2/s^2]", "0.0000001"),
    Unit("eV  .. electron volt", "[kg*m^2/s^2]", "1.60219E-19"),
    Unit("F   .. farad", "[A^2*s^4/kg*m^2]", "1"),
    Unit("fath.. fathom", "[m]", "1.82880365761"),
    Unit("fbm .. board ft", "[m^3]", "0.002359737216"),
    Unit("fc  .. footcandle", "[cd/m^2]", "0.856564774909"),
    Unit("Fdy .. faraday (C-12)", "[A*s]", "96487"),
    Unit("ferm.. fermi", "[m]", "1E-15"),
    Unit("flam.. footlambert", "[cd/m^2]", "3.42625909964"),
    Unit("ft  .. int'l foot", "[m]", "0.3048"),
    Unit("ftUS.. survey ft", "[m]", "0.304800609601"),
    Unit("g   .. gram", "[kg]", "0.001"),
    Unit("ga  .. std freefall", "[m/s^2]", "9.80665"),
    Unit("gal .. US gallon", "[m^3]", "0.003785411784"),
    Unit("galC.. Canadian gallon", "[m^3]", "0.00454609"),
    Unit("gaUK.. UK gallon", "[m^3]", "0.004546092"),
    Unit("gf  .. gram-force", "[kg*m/s^2]", "0.00980665"),
    Unit("grad.. grade", "[1]", "0.025"),
    Unit("grain. grain", "[kg]", "0.00006479891"),
    Unit("Gy  .. gray", "[m^2/s^2]", "1"),
    Unit("h   .. hour", "[s]", "3600"),
    Unit("H   .. henry", "[kg*m^2/A^2*s^2]", "1"),
    Unit("hp  .. horsepower", "[kg*m^2/s^3]", "745.699871582"),
    Unit("Hz  .. herz", "[1/s]", "1"),
    Unit("in  .. int'l inch", "[m]", "0.0254"),
    Unit("inHg.. (0\260C)", "[kg/m*s^2]", "3386.38815789"),
    Unit("inH20. (80\260F)", "[kg/m*s^2]", "248.84"),
    Unit("J  .. joule", "[kg*m^2/s^2]", "1"),
    Unit("kip .. kip", "[kg*m/s^2]", "4448.22161526"),
    Unit("knot.. knoten", "[m/s]", "0.51444444444"),
    Unit("kph .. kilom. per hour", "[m/s]", "0.277777777778"),
    Unit("l   .. liter", "[m^3]", "0.001"),
    Unit("lam .. lambert", "[cd/m^2]", "3183.09886184"),
    Unit("lb  .. pound", "[kg]", "0.45359237"),
    Unit("lbf .. pound force", "[kg*m/s^2]", "4.44822161526"),
    Unit("lbt .. troy pound", "[kg]", "0.3732417"),
    Unit("lm  .. lumen", "[cd]", "7.95774715459E-2"),
    Unit("lx  .. lux", "[cd/m^2]", "7.95774715459E-2"),
    Unit("lyr .. ligth year", "[m]", "9.46052840488E15"),
    Unit("m   .. meter", "[m]", "1"),
    Unit("mho .. mho", "[A^2*s^3/kg*m^2]", "1"),
    Unit("mi  .. int'l mile", "[m]", "1609.344"),
    Unit("mil .. mil", "[m]", "0.0000254"),
    Unit("min .. minute", "[s]", "60"),
    Unit("miUS.. statute mile", "[m]", "1.60934721869"),
    Unit("mmHg.. (0\260C)", "[kg/m*s^2]", "133.322368421"),
    Unit("mol .. mole", "[mol]", "1"),
    Unit("mph .. miles per hour", "[m/s]", "0.44704"),
    Unit("N   .. Newton", "[kg*m/s^2]", "1"),
    Unit("nmi .. nautical mile", "[m]", "1852"),
    Unit("ohm .. ohm", "[kg*m^2/a^2*s^3]", "1"),
    Unit("oz  .. ounce", "[kg]", "0.028349523125"),
    Unit("ozfl.. US fluid oz", "[m^3]", "2.95735295625E-5"),
    Unit("ozt .. troy oz", "[kg]", "0.31103475"),
    Unit("ozuk.. UK fluid oz", "[m^3]", "0.000028413075"),
    Unit("P   .. poise", "[kg/m*s]", "0.1"),
    Unit("Pa  .. pascal", "[kg/m*s^2]", "1"),
    Unit("pc  .. parsec", "[m]", "3.08567818585E16"),
    Unit("pdl .. poundal", "[kg*m/s^2]", "0.138254954376"),
    Unit("ph  .. phot", "[cd/m^2]", "795.774715459"),
    Unit("pk  .. peck", "[m^3]", "0.0088097675"),
    Unit("psi .. psi", "[kg/m*s^2]", "6894.75729317"),
    Unit("pt  .. pint", "[m^3]", "0.00047317647"),
    Unit("qt  .. quart", "[m^3]", "0.000946352946"),
    Unit("r   .. radian", "[1]", "0.159154943092"),
    Unit("R   .. roentgen", "[A*s/kg]", "0.000258"),
    Unit("rad .. rad", "[m^2/s^2]", "0.01"),
    Unit("rd  .. rod", "[m]", "5.02921005842"),
    Unit("rem .. rem", "[m^2/s^2]", "0.01"),
    Unit("s   .. second", "[s]", "1"),
    Unit("S   .. siemens", "[A^2*s^3/kg*m^2]", "1"),
    Unit("sb  .. stilb", "[cd/m^2]", "10000"),
    Unit("slug.. slug", "[kg]", "14.5939029372"),
    Unit("sr  .. steradian", "[1]", "7.95774715459E-2"),
    Unit("st  .. ster", "[m^3]", "1"),
    Unit("St  .. stokes", "[m^2/2]", "0.0001"),
    Unit("Sv  .. sievert", "[m^2/s^2]", "1"),
    Unit("t   .. metric ton", "[kg]", "1000"),
    Unit("T   .. tesla", "[kg/A*s^2]", "1"),
    Unit("tbsp.. tablespoon", "[m^3]", "1.47867647813E-5"),
    Unit("therm. (EEC)", "[kg*m^2/s^2]", "105506000"),
    Unit("ton .. short ton", "[kg]", "907.18474"),
    Unit("tonUK. long ton", "[kg]", "1016.0469088"),
    Unit("torr.. torr", "[kg/m*s^2]", "133.322368421"),
    Unit("tsp .. teaspoon", "[m^3]", "4.928921E-6"),
    Unit("u  .. atomic mass", "[kg]", "1.66057E-27"),
    Unit("V  .. volt", "[kg*m^2/A*s^3]", "1"),
    Unit("W  .. watt", "[kg*m^2/s^3]", "1"),
    Unit("Wb .. weber", "[kg*m^2/A*s^2]", "1"),
    Unit("yd .. int'l yard", "[m]", "0.9144"),
    Unit("yr .. tropical year", "[s]", "31556925.9747"),
    Unit("\260  .. degree", "[1]", "2.777777777778E-3"),
    Unit("\260C .. celsius", "[\260K]", "1"),
    Unit("\260F .. fahrenheit", "[\260K]", "0.55555555556"),
    Unit("\260K .. kelvin", "[\260K]", "1"),
    Unit("\260R .. \260R", "[\260K]", "0.55555555556"),
    Unit("\265  .. micron", "[m]", "0.000001"),
};

std::string CatalogMenuLabel(std::size_t id) {
    if (id < kConstantCount) {
        return std::string(kConstants[id].Name());
    }
    const std::size_t unit = id - kConstantCount;
    if (unit >= kUnitCount) {
        return {};
    }
    for (const auto& [index, label] : kLabelExceptions) {
        if (index == unit) {
            return std::string(label);
        }
    }
    const CatalogEntry& entry = kUnits[unit];
    std::string label(TrimTrailingBlanks(entry.Name()));
    label += " [";
    label += entry.Value();
    // The unit text without its brackets.
    const std::string_view unitText = entry.Unit().substr(1, entry.Unit().size() - 2);
    if (unitText != "1") {
        label += ' ';
        label += unitText;
    }
    label += ']';
    return label;
}

std::string CatalogInsertText(std::size_t id) {
    if (id < kConstantCount) {
        return std::string(kConstants[id].Value());
    }
    const std::string label = CatalogMenuLabel(id);
    const std::size_t open = label.rfind('[');
    if (open == std::string::npos) {
        return {};
    }
    const std::size_t end = label.find_first_of(" ]", open + 1);
    return label.substr(open + 1, end == std::string::npos ? end : end - open - 1);
}

std::vector<CatalogSubmenu> ConstantsMenu() {
    static const UnitGroup kGroups[] = {
        {"A - D", 0, 23, {7, 13, 21}},       {"E - G", 24, 43, {25, 34}},
        {"H - L", 44, 62, {47, 50, 51, 54}}, {"M - Q", 63, 87, {71, 73, 78, 86}},
        {"R - T", 88, 108, {92, 100}},       {"U - Z", 109, 120, {109, 110, 112, 114}},
    };
    std::vector<CatalogSubmenu> menu;
    CatalogSubmenu constants{Text(TextId::ConstantsNatureConstants), {}};
    for (std::size_t i = 0; i < kConstantCount; ++i) {
        constants.items.push_back({false, i, CatalogMenuLabel(i), CatalogInsertText(i)});
    }
    menu.push_back(std::move(constants));
    for (const UnitGroup& group : kGroups) {
        CatalogSubmenu submenu{group.title, {}};
        for (std::size_t unit = group.first; unit <= group.last; ++unit) {
            const std::size_t id = kConstantCount + unit;
            submenu.items.push_back({false, id, CatalogMenuLabel(id), CatalogInsertText(id)});
            if (std::ranges::find(group.separatorsAfter, unit) != group.separatorsAfter.end()) {
                submenu.items.push_back({true, 0, {}, {}});
            }
        }
        menu.push_back(std::move(submenu));
    }
    return menu;
}

}  // namespace quillex
