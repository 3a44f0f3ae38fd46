#include "shell/guru_texts.h"

namespace lendora::guru {

using namespace Qt::StringLiterals;

QString aboutGuru() {
    return u"Guru is an automatic help system which can guide you in using Lendora 2012"_s +
           lineBreak +
           u"The contents of the Guru window will change automatically in response to your "
           u"working with Lendora 2012"_s +
           lineBreak +
           u"Invoke Guru by clicking the F1 button.By default,Grur is turned On. Guru will guide "
           u"you in using Lendora 2012.When you feel Guru's guidance is not needed, Click F1 "
           u"button to turn Guru Off, and close Guru."_s +
           lineBreak +
           u"Start exploring Lendora 2012, by clicking inside any of the tables in the window "
           u"'All Projects'"_s +
           lineBreak + u"Happy experience!!"_s;
}

QString basicDetails(const QString& projectName, const QString& productName,
                     const QString& brandName) {
    return u"Here a name is provided for the project, by the user."_s + lineBreak +
           u"For example,"_s + projectName + u" is the Project name for the Product - "_s +
           productName + u"."_s + lineBreak +
           u"The project name is followed by the product name, which is again followed by the "
           u"brand name for the product i.e. "_s +
           brandName + u"."_s + lineBreak +
           u"If Status of the project is Active, then it means that the user has started "
           u"working on the project."_s +
           lineBreak +
           u"If the Status is In-active then, it means that Only the Basic Details have been "
           u"entered for this project."_s +
           lineBreak + u"Go ahead, try creating a new project."_s + lineBreak +
           u"You can start by going to the Menu: New>Basic Details,"_s + lineBreak + u"OR,"_s +
           lineBreak + u"By just clicking F2 button on your keyboard."_s;
}

QString targetAudience(const QString& definition, const QString& segments) {
    return u"Now, in this table, you see the target audience for which a marketing strategy has "
           u"to be developed. You can create as many as Target Audience sets as you wish."_s +
           lineBreak + u"For Example, "_s + definition +
           u" is one target audience. divided into "_s + segments + u" segments."_s + lineBreak +
           u"You can view "_s + definition + u"'s segments by going to the menu:"_s + lineBreak +
           u"Open>Target Audience,"_s + lineBreak + u"OR,"_s + lineBreak +
           u"By just clicking Ctrl+F3 on your keyboard"_s + lineBreak +
           u"You can also create a new Target Audience by going to the menu:New>Target Audience"_s +
           lineBreak + u"OR,"_s + lineBreak + u"By pressing F3 on your keyboard."_s;
}

QString projectPlans(const QString& id, const QString& basicDetails, const QString& targetAudience,
                     const QString& pollStatus) {
    return u"This table shows specific projects created."_s + lineBreak +
           u"Each project is a combination of one project from the Basic Details table and one "
           u"Target Audience from the Target Audience Table"_s +
           lineBreak + u"For Example, the Project ID- "_s + id + u" is a combination of "_s +
           basicDetails + u" and, "_s + targetAudience + lineBreak + pollStatus +
           u" is the status of the poll data that is entered for the prject ID- "_s + id + u"."_s +
           lineBreak + u"If the value is 000 then it means no poll data hes been entered."_s +
           lineBreak +
           u"If the value is 001, then the poll data for the 2nd competitor has been entered"_s +
           lineBreak +
           u"If,the value is 011, it means that poll data for your competitors ahve been entered"_s +
           u"If, the value is 100, it means that poll data relating to your product has been "
           u"entered."_s +
           lineBreak +
           u"In short, the first character is linked with poll data for your product,while the "
           u"2nd and 3rd characters are linked to the poll data of your 1st and 2nd competitors "
           u"respectively."_s +
           u"As long as the value is not 111, poll data for the project "_s + id +
           u" is incomplete."_s + lineBreak +
           u"It has to be completed by going to menu:Open>Poll Results,"_s + lineBreak + u"OR,"_s +
           lineBreak + u"By, clicking Ctrl+F4 buttons on your keyboard."_s + lineBreak +
           u"If, the value for poll data status is 111, it means that the poll data for the "
           u"project is complete, And you can move to the next step - Conducting analysis."_s +
           lineBreak +
           u"If the Analysis Status is 'No', then a new analysis can be started by clicking F6 "
           u"on your keyboard."_s +
           lineBreak +
           u"If the Analysis Status is 'Yes', then you can open the existing analysis by "
           u"clicking F6 button on your keyborad"_s +
           lineBreak + u"You can view the combination details by going to menu: Open>Projects"_s +
           lineBreak + u"OR,"_s + lineBreak + u"By clicking Ctrl+F4 buttons on your keyboard"_s +
           lineBreak + u"You can also start a new project by going to menu:New>Projects,"_s +
           lineBreak + u"OR,"_s + lineBreak + u"By, clicking F4 button on your keyboard"_s;
}

} // namespace lendora::guru
