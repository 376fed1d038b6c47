#include "finance/Loans.h"

#include <cmath>

#include "common/Numbers.h"

namespace deedwell {

std::string LoanPayment(double principal, double ratePercent, double years) {
    if (!std::isfinite(principal) || !std::isfinite(ratePercent) || !std::isfinite(years) ||
        years <= 0)
        return "0.00";
    const double months = 12 * years;
    double payment = 0;
    if (ratePercent == 0) {
        payment = principal / months;
    } else {
        // Interest is compounded twice a year: the monthly factor is the one
        // that grows to r/2 percent over six months.
        const double growth = std::pow(1 + ratePercent / 200, 1.0 / 6);
        payment = principal * (growth - 1) / (1 - std::pow(growth, -months));
    }
    if (!std::isfinite(payment)) return "0.00";
    return Format(payment, "0.00");
}

}  // namespace deedwell
