# Fails when translations/vantrell.pot is not what the code's texts make of it:
# a text was added, changed or removed without tools/translations/update-catalogs.sh.
#   cmake -DSOURCE_DIR=<checkout> -DOUTPUT=<scratch .pot> -P cmake/CheckTranslationTemplate.cmake
execute_process(COMMAND sh ${SOURCE_DIR}/tools/translations/update-catalogs.sh ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "xgettext could not extract the texts (Debian's gettext package)")
endif()
file(READ ${OUTPUT} extracted)
file(READ ${SOURCE_DIR}/translations/vantrell.pot committed)
if(NOT extracted STREQUAL committed)
    message(FATAL_ERROR "translations/vantrell.pot is not the code's texts: run tools/translations/update-catalogs.sh "
                        "and translate what it marks new (compare ${OUTPUT})")
endif()
