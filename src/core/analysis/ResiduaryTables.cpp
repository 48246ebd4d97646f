#include "analysis/ResiduaryTables.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr long double kFnStep = 0.025L;

// Fn 0.125 .. 0.450: a0 .. a9.
constexpr long double kLowValues[14][10] = {
    {-6.735645L, 38.36831L, -0.008193L, 0.055234L, -1.997242L, -38.86081L, 0.956591L, -0.002171L, 0.272895L, -0.017516L},
    {-0.38287L, 38.1729L, 0.007243L, 0.026644L, -5.295332L, -39.55032L, 1.219563L, 0.000052L, 0.824568L, -0.047842L},
    {-1.503526L, 24.40803L, 0.0122L, 0.067221L, -2.448582L, -31.9137L, 2.216098L, 0.000074L, 0.244345L, -0.015887L},
    {11.29218L, -14.51947L, 0.047182L, 0.085176L, -2.673016L, -11.41819L, 5.654065L, 0.007021L, -0.094934L, 0.006325L},
    {22.17867L, -49.16784L, 0.085998L, 0.150725L, -2.878684L, 7.167049L, 8.600272L, 0.012981L, -0.327085L, 0.018271L},
    {25.90867L, -74.75668L, 0.153521L, 0.188568L, -0.889467L, 24.12137L, 10.48516L, 0.025348L, -0.85494L, 0.048449L},
    {40.97559L, -114.2855L, 0.207226L, 0.250827L, -3.072662L, 53.0157L, 13.02177L, 0.035934L, -0.715457L, 0.039874L},
    {45.83759L, -184.7646L, 0.357031L, 0.338343L, 3.871658L, 132.2568L, 10.86054L, 0.066809L, -1.719215L, 0.095977L},
    {89.20382L, -393.0127L, 0.617466L, 0.460472L, 11.54327L, 331.1197L, 8.598136L, 0.104073L, -2.815203L, 0.15596L},
    {212.6788L, -801.7908L, 1.087307L, 0.538938L, 10.80273L, 667.6445L, 12.39815L, 0.166473L, -3.026131L, 0.165055L},
    {336.2354L, -1085.134L, 1.644191L, 0.532702L, -1.224173L, 831.1445L, 26.18321L, 0.238795L, -2.45047L, 0.139154L},
    {566.5476L, -1609.632L, 2.01609L, 0.265722L, -29.24412L, 1154.091L, 51.46175L, 0.288046L, -0.178354L, 0.018446L},
    {743.4107L, -1708.263L, 2.435809L, 0.013553L, -81.16189L, 937.4014L, 115.6006L, 0.365071L, 1.838967L, -0.062023L},
    {1200.62L, -2751.715L, 3.208577L, 0.25492L, -132.0424L, 1489.269L, 196.3406L, 0.528225L, 1.379102L, 0.013577L},
};

// Fn 0.475 .. 0.750: c0 .. c5.
constexpr long double kHighValues[12][6] = {
    {180.1004L, -31.50257L, -7.451141L, 2.195042L, 2.689623L, 0.00648L},
    {243.9994L, -44.52551L, -12.15456L, 2.179046L, 3.857403L, 0.009676L},
    {282.9873L, -51.51953L, -12.9731L, 2.274505L, 4.343662L, 0.011066L},
    {313.4109L, -56.58257L, -14.41978L, 2.326117L, 4.690432L, 0.012147L},
    {337.0038L, -59.19029L, -16.06975L, 2.419156L, 4.766793L, 0.014147L},
    {356.4572L, -62.85395L, -16.85112L, 2.437056L, 5.078768L, 0.01498L},
    {324.7357L, -51.31252L, -15.34595L, 2.334146L, 3.855368L, 0.013695L},
    {301.1268L, -39.79631L, -15.02299L, 2.059637L, 2.545676L, 0.013588L},
    {292.0571L, -31.85303L, -15.58548L, 1.847926L, 1.569917L, 0.014014L},
    {284.4641L, -25.14558L, -16.15423L, 1.703981L, 0.817912L, 0.014575L},
    {256.6367L, -19.31922L, -13.0845L, 2.152824L, 0.348305L, 0.011343L},
    {304.1803L, -30.11512L, -15.85429L, 2.863173L, 1.524379L, 0.014031L},
};

const ResiduaryTable kLowTable{0.125L, 14, 10, &kLowValues[0][0]};
const ResiduaryTable kHighTable{0.475L, 12, 6, &kHighValues[0][0]};

std::out_of_range OutsideTable(long double fn)
{
    return std::out_of_range("Froude number " + FormatFixed(fn, 4) +
                             " lies outside the residuary resistance tables");
}

}  // namespace

Real48 ResiduaryTable::At(int j, int k) const
{
    if (j < 0 || j >= Rows || k < 0 || k >= Coefficients)
        throw std::out_of_range("residuary table entry (" + std::to_string(j) + ", " +
                                std::to_string(k) + ") does not exist");
    return Values[j * Coefficients + k];
}

const ResiduaryTable& ResiduaryTableLow() { return kLowTable; }

const ResiduaryTable& ResiduaryTableHigh() { return kHighTable; }

Real48 ResiduaryCoefficient(const ResiduaryTable& table, int k, long double fn)
{
    const long double position = std::trunc((fn - table.FirstFn) * 40);
    const int last = table.Rows - 1;
    if (!(position >= 0 && position <= last)) throw OutsideTable(fn);
    const int j = static_cast<int>(position);
    const Real48 fnLo = table.FirstFn + kFnStep * j;
    const Real48 fnHi = fnLo + kFnStep;
    const Real48 vLo = table.At(j, k);
    if (j == last) {
        // The last row is an end point, not an interval: nothing lies beyond it.
        if (fn > fnLo) throw OutsideTable(fn);
        return vLo;
    }
    const Real48 vHi = table.At(j + 1, k);
    return vLo + (vHi - vLo) * (fn - fnLo) / (fnHi - fnLo);
}

}  // namespace sloopform
