# Writes the main() of a test built on the harness beside this file, which runs the test
# functions as Qt Test's would: those of the class that carries Q_OBJECT, found as Qt's moc
# finds its slots, in their order the `void name()` functions that follow its `private slots:`,
# each on the rows of name_data() where the class has one.
#   cmake -DSOURCE=test.cpp -DOUTPUT=test.moc -P moc.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${SOURCE}" text)
if(NOT text MATCHES "class ([A-Za-z0-9_]+) : public QObject {\n    Q_OBJECT\n+private slots:(.*)")
    message(FATAL_ERROR "${SOURCE}: no class with Q_OBJECT and private slots")
endif()
set(class "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "\n    void [A-Za-z0-9_]+\\(\\)" declared "${CMAKE_MATCH_2}")
set(entries "")
foreach(declaration IN LISTS declared)
    string(REGEX REPLACE ".* " "" name "${declaration}")
    string(REPLACE "()" "" name "${name}")
    if(name MATCHES "_data$")
        continue()
    endif()
    set(rows nullptr)
    if(";${declared};" MATCHES "void ${name}_data\\(\\)")
        set(rows "&${class}::${name}_data")
    endif()
    string(APPEND entries "        {\"${name}\", &${class}::${name}, ${rows}},\n")
endforeach()
file(WRITE "${OUTPUT}" "// Written by moc.cmake from ${SOURCE}.
int main() {
    return QTest::Run<${class}>(\"${class}\", {
${entries}    });
}
")
