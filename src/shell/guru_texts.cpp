#include "shell/guru_texts.h"

#include <QCoreApplication>

namespace lendora::guru {

namespace {
// A text of the Guru: the translation of its source, or the source itself.
// Names are inserted by arg() in one pass, so a name holding "%1" is shown
// as typed.
QString text(const char* source) {
    return QCoreApplication::translate("ProjectsGuru", source);
}
} // namespace

QString aboutGuru() {
    return text(QT_TRANSLATE_NOOP(
        "ProjectsGuru",
        "Guru is an automatic help system which can guide you in using Lendora 2012\r\nThe "
        "contents of the Guru window will change automatically in response to your working with "
        "Lendora 2012\r\nInvoke Guru by clicking the F1 button.By default,Grur is turned On. Guru "
        "will guide you in using Lendora 2012.When you feel Guru's guidance is not needed, Click "
        "F1 button to turn Guru Off, and close Guru.\r\nStart exploring Lendora 2012, by clicking "
        "inside any of the tables in the window 'All Projects'\r\nHappy experience!!"));
}

QString basicDetails(const QString& projectName, const QString& productName,
                     const QString& brandName) {
    return text(QT_TRANSLATE_NOOP(
                    "ProjectsGuru",
                    "Here a name is provided for the project, by the user.\r\nFor example,%1 is "
                    "the Project name for the Product - %2.\r\nThe project name is followed by the "
                    "product name, which is again followed by the brand name for the product i.e. "
                    "%3.\r\nIf Status of the project is Active, then it means that the user has "
                    "started working on the project.\r\nIf the Status is In-active then, it means "
                    "that Only the Basic Details have been entered for this project.\r\nGo ahead, "
                    "try creating a new project.\r\nYou can start by going to the Menu: New>Basic "
                    "Details,\r\nOR,\r\nBy just clicking F2 button on your keyboard."))
        .arg(projectName, productName, brandName);
}

QString targetAudience(const QString& definition, const QString& segments) {
    return text(QT_TRANSLATE_NOOP(
                    "ProjectsGuru",
                    "Now, in this table, you see the target audience for which a marketing "
                    "strategy has to be developed. You can create as many as Target Audience sets "
                    "as you wish.\r\nFor Example, %1 is one target audience. divided into %2 "
                    "segments.\r\nYou can view %1's segments by going to the menu:\r\nOpen>Target "
                    "Audience,\r\nOR,\r\nBy just clicking Ctrl+F3 on your keyboard\r\nYou can also "
                    "create a new Target Audience by going to the menu:New>Target "
                    "Audience\r\nOR,\r\nBy pressing F3 on your keyboard."))
        .arg(definition, segments);
}

QString projectPlans(const QString& id, const QString& basicDetails, const QString& targetAudience,
                     const QString& pollStatus) {
    return text(
               QT_TRANSLATE_NOOP(
                   "ProjectsGuru",
                   "This table shows specific projects created.\r\nEach project is a combination "
                   "of one project from the Basic Details table and one Target Audience from the "
                   "Target Audience Table\r\nFor Example, the Project ID- %1 is a combination of "
                   "%2 and, %3\r\n%4 is the status of the poll data that is entered for the prject "
                   "ID- %1.\r\nIf the value is 000 then it means no poll data hes been "
                   "entered.\r\nIf the value is 001, then the poll data for the 2nd competitor has "
                   "been entered\r\nIf,the value is 011, it means that poll data for your "
                   "competitors ahve been enteredIf, the value is 100, it means that poll data "
                   "relating to your product has been entered.\r\nIn short, the first character is "
                   "linked with poll data for your product,while the 2nd and 3rd characters are "
                   "linked to the poll data of your 1st and 2nd competitors respectively.As long "
                   "as the value is not 111, poll data for the project %1 is incomplete.\r\nIt has "
                   "to be completed by going to menu:Open>Poll Results,\r\nOR,\r\nBy, clicking "
                   "Ctrl+F4 buttons on your keyboard.\r\nIf, the value for poll data status is "
                   "111, it means that the poll data for the project is complete, And you can move "
                   "to the next step - Conducting analysis.\r\nIf the Analysis Status is 'No', "
                   "then a new analysis can be started by clicking F6 on your keyboard.\r\nIf the "
                   "Analysis Status is 'Yes', then you can open the existing analysis by clicking "
                   "F6 button on your keyborad\r\nYou can view the combination details by going to "
                   "menu: Open>Projects\r\nOR,\r\nBy clicking Ctrl+F4 buttons on your "
                   "keyboard\r\nYou can also start a new project by going to "
                   "menu:New>Projects,\r\nOR,\r\nBy, clicking F4 button on your keyboard"))
        .arg(id, basicDetails, targetAudience, pollStatus);
}

} // namespace lendora::guru
