#include "finance/Loans.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/Numbers.h"

namespace deedwell {
namespace {

TEST(LoanPaymentTest, MonthlyPaymentsOfTheGamesLoans) {
    struct Case {
        double principal;
        double rate;
        double years;
        const char* payment;
    };
    const Case cases[] = {
        {100000, 8, 30, "724.71"}, {88580, 8, 30, "641.95"}, {83430, 8, 30, "604.63"},
        {83430, 5, 30, "445.26"},  {20000, 8, 30, "144.94"}, {45001, 8, 30, "326.13"},
        {86000, 8, 30, "623.25"},  {0, 8, 30, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoanPayment(c.principal, c.rate, c.years), c.payment)
            << c.principal << " at " << c.rate << " for " << c.years;
}

TEST(LoanPaymentTest, ShorterTermsCostMorePerMonth) {
    const double last = NumberOf(LoanPayment(88580, 8, 30));
    double previous = last;
    for (double years : {15.0, 10.0, 5.0}) {
        const double payment = NumberOf(LoanPayment(88580, 8, years));
        EXPECT_GT(payment, previous) << years;
        previous = payment;
    }
}

TEST(LoanPaymentTest, DegenerateLoansNeverGiveNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LoanPayment(12000, 0, 10), "100.00");  // no interest: spread evenly
    EXPECT_EQ(LoanPayment(100000, 8, 0), "0.00");
    EXPECT_EQ(LoanPayment(100000, 8, -5), "0.00");
    EXPECT_EQ(LoanPayment(nan, 8, 30), "0.00");
    EXPECT_EQ(LoanPayment(100000, inf, 30), "0.00");
    EXPECT_EQ(LoanPayment(100000, 8, nan), "0.00");
}

TEST(LoanPaymentTest, StandardRateIsEight) {
    EXPECT_EQ(StandardLoanRate(), "8");
    EXPECT_EQ(kStandardLoanRate, 8);
}

}  // namespace
}  // namespace deedwell
