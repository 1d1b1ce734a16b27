#include "store/DictionaryCipher.h"
#include "words/DictionaryTool.h"

#include "base/AppError.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (application.arguments().contains(QLatin1String("--version"))) {
        out << "glossmere-dict " << GLOSSMERE_VERSION << '\n';
        return DictionaryTool::kOk;
    }
    try {
        DictionaryCipher::CheckEngine();
    } catch (const AppError& error) {
        err << "glossmere-dict: " << error.Message() << '\n';
        return DictionaryTool::kFailed;
    }
    return DictionaryTool::Run(application.arguments().mid(1), out, err);
}
