# The flags a Debian package build compiles and links with (hardening among
# them), taken from dpkg-buildflags so the release preset builds what a
# packager would; used as that preset's toolchain file.
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND dpkg-buildflags --get ${kind} OUTPUT_VARIABLE debian_${kind}
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(CMAKE_CXX_FLAGS_INIT "${debian_CPPFLAGS} ${debian_CXXFLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${debian_LDFLAGS}")
