# tq_gzip(INPUT OUTPUT): writes OUTPUT, INPUT compressed as manual pages and
# change logs are installed. At configure time, which is when the inputs are
# made (configure_file); -n leaves out the name and time stamp, so the same
# input always gives the same bytes.
find_program(TQ_GZIP gzip REQUIRED)
function(tq_gzip input output)
    get_filename_component(dir ${output} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    execute_process(COMMAND ${TQ_GZIP} -9n -c ${input}
        OUTPUT_FILE ${output}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${input}: ${failed}")
    endif()
endfunction()
