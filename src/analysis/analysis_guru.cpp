#include "analysis/analysis_guru.h"

namespace lendora::guru {

using namespace Qt::StringLiterals;

QString aboutAnalysis() {
    // Eight texts joined directly, with nothing between them.
    return u"Analysis form uses standard statistical forecasting process to estimate the change "
           u"in the number of respondents likely to opt for your product."_s +
           u"All saved anlaysis for this Project Plan are shown in the 'New Analysis' table."_s +
           u"You can start a new analysis by altering the values of any feature in the fields in "
           u"the 'New Analysis' frame."_s +
           u"Start with the 'Interest' field. Enter a new value and click 'Enter' on your "
           u"keyboard. If you do not want to change the value, click 'Enter' on your keyboard. "_s +
           u"Proceed in th same way with every field."_s +
           u"EMI field will update itself based on the values for Interest, Maximum Loan Value "
           u"and Repayment Period."_s +
           u"Once you have clicked 'Enter' (on the keyboard), from the 'Freebies' field, the "
           u"'Analysis' button on the form will become enabled."_s +
           u"Click on the 'Analysis' button to view the deatiled estimate for the new analysis, "
           u"in the 'Detaieled Estimates' table.Your new analysis will be added as a new "
           u"strategy. By going to the 'Final Analysis' tab, you can have a comparision of all "
           u"the strategies evoloved."_s;
}

} // namespace lendora::guru
