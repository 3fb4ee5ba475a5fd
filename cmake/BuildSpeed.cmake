# What keeps a build of this project quick: ccache when it is installed, a linker that does not
# take seconds per test program, precompiled Qt headers, and autogen steps that do not wait for
# whole libraries. Included by the top-level CMakeLists.txt; everything here is set for this
# project's folders only, never for a project that adds this one with add_subdirectory.

option(SWEEPNOOK_CCACHE "Compile through ccache when it is installed" ON)
option(SWEEPNOOK_PCH "Precompile the Qt headers most sources include" ON)
option(SWEEPNOOK_FAST_LINKER "Link with lld or gold when the compiler can use them" ON)
option(SWEEPNOOK_QUICK_TESTS "Compile the tests' own code with -Og (the libraries they test keep the build type's flags)" ON)

# ccache: a launcher given on the command line (-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) or, unless
# one is given, the ccache found on the search path. Precompiled headers are cached only with the
# sloppiness set here, so ccache runs under it whichever way it came. Depend mode takes the
# compiler's own dependency file instead of running the preprocessor on a miss: with the Qt headers
# included through the precompiled header, that preprocessing cost a third more per compile, so an
# empty cache (a fresh clone) built slower than no ccache at all.
if(SWEEPNOOK_CCACHE)
    set(_sweepnook_launcher "${CMAKE_CXX_COMPILER_LAUNCHER}")
    if(NOT _sweepnook_launcher)
        find_program(SWEEPNOOK_CCACHE_PROGRAM ccache)
        if(SWEEPNOOK_CCACHE_PROGRAM)
            set(_sweepnook_launcher "${SWEEPNOOK_CCACHE_PROGRAM}")
        endif()
    endif()
    if(_sweepnook_launcher)
        list(GET _sweepnook_launcher 0 _sweepnook_launcher_program)
        get_filename_component(_sweepnook_launcher_name "${_sweepnook_launcher_program}" NAME)
        if(_sweepnook_launcher_name STREQUAL "ccache")
            set(CMAKE_CXX_COMPILER_LAUNCHER
                "${CMAKE_COMMAND}" -E env
                "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
                "CCACHE_DEPEND=1"
                ${_sweepnook_launcher})
        endif()
    endif()
endif()

# The default GNU linker takes about two seconds for each test program (they carry debug
# information); lld or gold take a fraction of that. macOS's own linker is quick already.
if(SWEEPNOOK_FAST_LINKER AND NOT APPLE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-fuse-ld=lld" SWEEPNOOK_HAVE_LLD)
    if(SWEEPNOOK_HAVE_LLD)
        add_link_options("-fuse-ld=lld")
    else()
        check_linker_flag(CXX "-fuse-ld=gold" SWEEPNOOK_HAVE_GOLD)
        if(SWEEPNOOK_HAVE_GOLD)
            add_link_options("-fuse-ld=gold")
        endif()
    endif()
endif()

# An autogen step (moc) waits by default for every library its target links, which kept the
# library's moc and every test's from starting before the libraries below them were linked. The
# only header generated here (version.h) is written at configure time, so moc need not wait.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)

# moc runs without the compiler's predefined macros: a third less time for each file, and the same
# output as long as no class declaration moc reads depends on the platform or the compiler. Keep
# such conditions out of classes with Q_OBJECT, Q_GADGET or Q_NAMESPACE (in a test class, a slot
# that moc does not see is silently never run); put them inside the functions.
set(CMAKE_AUTOMOC_COMPILER_PREDEFINES OFF)

# Headers precompiled for the engine library (Qt Core and the C++ library), for the interface
# on top (Qt Widgets) and for the tests (QtTest, which pulls in all of Qt Core). They are only a
# speed-up: every source still includes what it uses, and a build with SWEEPNOOK_PCH=OFF must
# pass the same.
set(SWEEPNOOK_ENGINE_PCH
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList>
    <QLocale> <QMap> <QMetaType> <QMutex> <QObject> <QSet> <QString> <QStringList> <QThread>
    <QJsonArray> <QJsonDocument> <QJsonObject>
    <algorithm> <atomic> <functional> <memory> <utility> <vector>)
set(SWEEPNOOK_UI_PCH
    ${SWEEPNOOK_ENGINE_PCH}
    <QCheckBox> <QHBoxLayout> <QIcon> <QLabel> <QMenu> <QMessageBox> <QMouseEvent> <QPainter>
    <QPainterPath> <QProgressBar> <QPushButton> <QStackedWidget> <QStyle> <QTimer> <QVBoxLayout>
    <QWidget>)
set(SWEEPNOOK_ENGINE_TEST_PCH ${SWEEPNOOK_ENGINE_PCH} <QtTest> <QSignalSpy> <QProcess> <QTemporaryDir>)
set(SWEEPNOOK_UI_TEST_PCH ${SWEEPNOOK_UI_PCH} <QtTest> <QSignalSpy> <QProcess> <QTemporaryDir>)

# sweepnook_precompile_headers(TARGET HEADER_LIST_VARIABLE): precompiles those headers for target
# when SWEEPNOOK_PCH is on.
function(sweepnook_precompile_headers target list)
    if(SWEEPNOOK_PCH)
        target_precompile_headers(${target} PRIVATE ${${list}})
    endif()
endfunction()

# sweepnook_reuse_precompiled_headers(TARGET FROM): target compiles with the headers precompiled
# for FROM, which must have the same compiler options and definitions.
function(sweepnook_reuse_precompiled_headers target from)
    if(SWEEPNOOK_PCH)
        set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM ${from})
    endif()
endfunction()

# sweepnook_quick_test_code(TARGET): target is test code (a test support library, whose users
# inherit it): compiled with -Og, about a fifth quicker than -O2 for QtTest's macro-heavy code
# and easier to debug. The product code under test keeps the build type's optimisation.
function(sweepnook_quick_test_code target)
    if(SWEEPNOOK_QUICK_TESTS AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PUBLIC $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-Og>)
    endif()
endfunction()

# sweepnook_lean_test_autogen(TARGET): a test program includes its own moc output, which leaves
# the autogen step's mocs_compilation.cpp empty; with the precompiled headers that empty file took
# about two seconds to compile for each test, without them a few milliseconds.
function(sweepnook_lean_test_autogen target)
    set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp"
        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
