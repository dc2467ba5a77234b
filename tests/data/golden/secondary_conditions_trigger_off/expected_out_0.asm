; gate_0.asm: model data of the scenery object gate

gate_riff_start label byte
    db 'R','I','F','F'
    dd gate_riff_end - $ - 4
    db 'M','D','L','9'

model_header_riff_start label byte
    db 'M','D','L','H'
    dd model_header_riff_end - $ - 4
    dd 36
    dd 0, 0, 0, 0
model_header_riff_end label byte

animation_parameters_riff_start label byte
    db 'A','N','I','P'
    dd animation_parameters_riff_end - $ - 4

gate_local_varbase_1 label word
dw 0
dw 0
dw 0
dw 0
dw 0

gate_1_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_1_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_1_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_trans_1_1_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_1_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  1.5, 0.25
   real4  100.0,  0.0,  3.0, -0.5
gate_trans_1_1_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  3.0, -0.5
   real4  50.0,  0.0,  1.5, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_1_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  3.0, -0.5
   real4  100.0,  0.0,  3.0, -0.5
gate_quat_1_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.383,  0.0, 0.924
   real4  100.0,  0.0, 0.707,  0.0, 0.707
gate_quat_1_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  50.0,  0.0, 0.383,  0.0, 0.924
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  100.0,  0.0, 0.707,  0.0, 0.707
gate_trans_1_2_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_2_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  1.25, 0.25
   real4  100.0,  0.0,  2.5, -0.5
gate_trans_1_2_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  2.5, -0.5
   real4  50.0,  0.0,  1.25, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_2_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  2.5, -0.5
   real4  100.0,  0.0,  2.5, -0.5
gate_quat_1_2_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_2_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.259,  0.0, 0.966
   real4  100.0,  0.0, 0.5,  0.0, 0.866
gate_quat_1_2_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.5,  0.0, 0.866
   real4  50.0,  0.0, 0.259,  0.0, 0.966
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_2_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0, 0.5,  0.0, 0.866
gate_trans_1_3_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_3_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  2.0, 0.25
   real4  100.0,  0.0,  4.0, -0.5
gate_trans_1_3_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  4.0, -0.5
   real4  50.0,  0.0,  2.0, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_3_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  4.0, -0.5
   real4  100.0,  0.0,  4.0, -0.5
gate_quat_1_3_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_3_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0, 0.866,  0.0, 0.5
gate_quat_1_3_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.866,  0.0, 0.5
   real4  50.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_3_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.866,  0.0, 0.5
   real4  100.0,  0.0, 0.866,  0.0, 0.5

gate_local_varbase_2 label word
dw 0
dw 0
dw 0
dw 0
dw 0

gate_2_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_2_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_2_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_quat_2_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.383,  0.0,  0.0, 0.924
   real4  50.0, 0.707,  0.0,  0.0, 0.707
   real4  75.0, 0.924,  0.0,  0.0, 0.383
   real4  100.0,  1.0,  0.0,  0.0,  0.0
gate_quat_2_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  25.0, 0.924,  0.0,  0.0, 0.383
   real4  50.0, 0.707,  0.0,  0.0, 0.707
   real4  75.0, 0.383,  0.0,  0.0, 0.924
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  100.0,  1.0,  0.0,  0.0,  0.0
gate_quat_2_2_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_2_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.195,  0.0,  0.0, 0.981
   real4  50.0, 0.383,  0.0,  0.0, 0.924
   real4  75.0, 0.556,  0.0,  0.0, 0.831
   real4  100.0, 0.707,  0.0,  0.0, 0.707
gate_quat_2_2_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0, 0.707,  0.0,  0.0, 0.707
   real4  25.0, 0.556,  0.0,  0.0, 0.831
   real4  50.0, 0.383,  0.0,  0.0, 0.924
   real4  75.0, 0.195,  0.0,  0.0, 0.981
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_2_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0, 0.707,  0.0,  0.0, 0.707
   real4  100.0, 0.707,  0.0,  0.0, 0.707
gate_quat_2_3_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_3_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.556,  0.0,  0.0, 0.831
   real4  50.0, 0.924,  0.0,  0.0, 0.383
   real4  75.0, 0.981,  0.0,  0.0, -0.195
   real4  100.0, 0.707,  0.0,  0.0, -0.707
gate_quat_2_3_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0, 0.707,  0.0,  0.0, -0.707
   real4  25.0, 0.981,  0.0,  0.0, -0.195
   real4  50.0, 0.924,  0.0,  0.0, 0.383
   real4  75.0, 0.556,  0.0,  0.0, 0.831
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_3_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0, 0.707,  0.0,  0.0, -0.707
   real4  100.0, 0.707,  0.0,  0.0, -0.707
animation_parameters_riff_end label byte

animation_commands_riff_start label byte
    db 'A','N','I','C'
    dd animation_commands_riff_end - $ - 4

bgl_animation_command_start_0 label word

BGL_TRANSFORM_INDIRECT 2, 0

bgl_animation_command_end_0 label word

bgl_animation_command_start_4 label word

BGL_TRANSFORM_INDIRECT 2, 4

bgl_animation_command_end_4 label word

bgl_animation_command_start_8 label word

BGL_TRANSFORM_INDIRECT 2, 8

bgl_animation_command_end_8 label word

bgl_animation_command_start_12 label word

BGL_TRANSFORM_INDIRECT 2, 12

bgl_animation_command_end_12 label word

bgl_animation_command_start_16 label word

BGL_TRANSFORM_INDIRECT 2, 16

bgl_animation_command_end_16 label word

bgl_animation_command_start_20 label word

BGL_TRANSFORM_INDIRECT 2, 20

bgl_animation_command_end_20 label word

bgl_animation_command_start_1 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_a - offset gate_local_varbase_1),1

bgl_animation_command_end_1 label word

bgl_animation_command_start_5 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_b - offset gate_local_varbase_1),5

bgl_animation_command_end_5 label word

bgl_animation_command_start_9 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_a - offset gate_local_varbase_1),9

bgl_animation_command_end_9 label word

bgl_animation_command_start_13 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_b - offset gate_local_varbase_1),13

bgl_animation_command_end_13 label word

bgl_animation_command_start_17 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_a - offset gate_local_varbase_1),17

bgl_animation_command_end_17 label word

bgl_animation_command_start_21 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_b - offset gate_local_varbase_1),21

bgl_animation_command_end_21 label word

bgl_animation_command_start_2 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_a - offset gate_local_varbase_1), 0,2

bgl_animation_command_end_2 label word

bgl_animation_command_start_6 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_b - offset gate_local_varbase_1), 0,6

bgl_animation_command_end_6 label word

bgl_animation_command_start_10 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_a - offset gate_local_varbase_1), 0,10

bgl_animation_command_end_10 label word

bgl_animation_command_start_14 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_b - offset gate_local_varbase_1), 0,14

bgl_animation_command_end_14 label word

bgl_animation_command_start_18 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_a - offset gate_local_varbase_1), 0,18

bgl_animation_command_end_18 label word

bgl_animation_command_start_22 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_b - offset gate_local_varbase_1), 0,22

bgl_animation_command_end_22 label word

bgl_animation_command_start_3 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_a - offset gate_local_varbase_2),3

bgl_animation_command_end_3 label word

bgl_animation_command_start_7 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_b - offset gate_local_varbase_2),7

bgl_animation_command_end_7 label word

bgl_animation_command_start_11 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_a - offset gate_local_varbase_2),11

bgl_animation_command_end_11 label word

bgl_animation_command_start_15 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_b - offset gate_local_varbase_2),15

bgl_animation_command_end_15 label word

bgl_animation_command_start_19 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_a - offset gate_local_varbase_2),19

bgl_animation_command_end_19 label word

bgl_animation_command_start_23 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_b - offset gate_local_varbase_2),23

bgl_animation_command_end_23 label word

animation_commands_riff_end label byte

scene_graph_riff_start label byte
    db 'S','C','E','N'
    dd scene_graph_riff_end - $ - 4

dw 24
bgl_scene_graph_entry_0 label byte
BGL_SCENEGRAPH_ENTRY 0, -1, 1, bgl_animation_command_end_0 - bgl_animation_command_start_0, bgl_animation_command_start_0 - bgl_scene_graph_entry_0
bgl_scene_graph_entry_1 label byte
BGL_SCENEGRAPH_ENTRY 1, 2, 3, bgl_animation_command_end_1 - bgl_animation_command_start_1, bgl_animation_command_start_1 - bgl_scene_graph_entry_1
bgl_scene_graph_entry_2 label byte
BGL_SCENEGRAPH_ENTRY 2, -1, -1, bgl_animation_command_end_2 - bgl_animation_command_start_2, bgl_animation_command_start_2 - bgl_scene_graph_entry_2
bgl_scene_graph_entry_3 label byte
BGL_SCENEGRAPH_ENTRY 3, -1, 4, bgl_animation_command_end_3 - bgl_animation_command_start_3, bgl_animation_command_start_3 - bgl_scene_graph_entry_3
bgl_scene_graph_entry_4 label byte
BGL_SCENEGRAPH_ENTRY 4, -1, 5, bgl_animation_command_end_4 - bgl_animation_command_start_4, bgl_animation_command_start_4 - bgl_scene_graph_entry_4
bgl_scene_graph_entry_5 label byte
BGL_SCENEGRAPH_ENTRY 5, 6, 7, bgl_animation_command_end_5 - bgl_animation_command_start_5, bgl_animation_command_start_5 - bgl_scene_graph_entry_5
bgl_scene_graph_entry_6 label byte
BGL_SCENEGRAPH_ENTRY 6, -1, -1, bgl_animation_command_end_6 - bgl_animation_command_start_6, bgl_animation_command_start_6 - bgl_scene_graph_entry_6
bgl_scene_graph_entry_7 label byte
BGL_SCENEGRAPH_ENTRY 7, -1, 8, bgl_animation_command_end_7 - bgl_animation_command_start_7, bgl_animation_command_start_7 - bgl_scene_graph_entry_7
bgl_scene_graph_entry_8 label byte
BGL_SCENEGRAPH_ENTRY 8, -1, 9, bgl_animation_command_end_8 - bgl_animation_command_start_8, bgl_animation_command_start_8 - bgl_scene_graph_entry_8
bgl_scene_graph_entry_9 label byte
BGL_SCENEGRAPH_ENTRY 9, 10, 11, bgl_animation_command_end_9 - bgl_animation_command_start_9, bgl_animation_command_start_9 - bgl_scene_graph_entry_9
bgl_scene_graph_entry_10 label byte
BGL_SCENEGRAPH_ENTRY 10, -1, -1, bgl_animation_command_end_10 - bgl_animation_command_start_10, bgl_animation_command_start_10 - bgl_scene_graph_entry_10
bgl_scene_graph_entry_11 label byte
BGL_SCENEGRAPH_ENTRY 11, -1, 12, bgl_animation_command_end_11 - bgl_animation_command_start_11, bgl_animation_command_start_11 - bgl_scene_graph_entry_11
bgl_scene_graph_entry_12 label byte
BGL_SCENEGRAPH_ENTRY 12, -1, 13, bgl_animation_command_end_12 - bgl_animation_command_start_12, bgl_animation_command_start_12 - bgl_scene_graph_entry_12
bgl_scene_graph_entry_13 label byte
BGL_SCENEGRAPH_ENTRY 13, 14, 15, bgl_animation_command_end_13 - bgl_animation_command_start_13, bgl_animation_command_start_13 - bgl_scene_graph_entry_13
bgl_scene_graph_entry_14 label byte
BGL_SCENEGRAPH_ENTRY 14, -1, -1, bgl_animation_command_end_14 - bgl_animation_command_start_14, bgl_animation_command_start_14 - bgl_scene_graph_entry_14
bgl_scene_graph_entry_15 label byte
BGL_SCENEGRAPH_ENTRY 15, -1, 16, bgl_animation_command_end_15 - bgl_animation_command_start_15, bgl_animation_command_start_15 - bgl_scene_graph_entry_15
bgl_scene_graph_entry_16 label byte
BGL_SCENEGRAPH_ENTRY 16, -1, 17, bgl_animation_command_end_16 - bgl_animation_command_start_16, bgl_animation_command_start_16 - bgl_scene_graph_entry_16
bgl_scene_graph_entry_17 label byte
BGL_SCENEGRAPH_ENTRY 17, 18, 19, bgl_animation_command_end_17 - bgl_animation_command_start_17, bgl_animation_command_start_17 - bgl_scene_graph_entry_17
bgl_scene_graph_entry_18 label byte
BGL_SCENEGRAPH_ENTRY 18, -1, -1, bgl_animation_command_end_18 - bgl_animation_command_start_18, bgl_animation_command_start_18 - bgl_scene_graph_entry_18
bgl_scene_graph_entry_19 label byte
BGL_SCENEGRAPH_ENTRY 19, -1, 20, bgl_animation_command_end_19 - bgl_animation_command_start_19, bgl_animation_command_start_19 - bgl_scene_graph_entry_19
bgl_scene_graph_entry_20 label byte
BGL_SCENEGRAPH_ENTRY 20, -1, 21, bgl_animation_command_end_20 - bgl_animation_command_start_20, bgl_animation_command_start_20 - bgl_scene_graph_entry_20
bgl_scene_graph_entry_21 label byte
BGL_SCENEGRAPH_ENTRY 21, 22, 23, bgl_animation_command_end_21 - bgl_animation_command_start_21, bgl_animation_command_start_21 - bgl_scene_graph_entry_21
bgl_scene_graph_entry_22 label byte
BGL_SCENEGRAPH_ENTRY 22, -1, -1, bgl_animation_command_end_22 - bgl_animation_command_start_22, bgl_animation_command_start_22 - bgl_scene_graph_entry_22
bgl_scene_graph_entry_23 label byte
BGL_SCENEGRAPH_ENTRY 23, -1, -1, bgl_animation_command_end_23 - bgl_animation_command_start_23, bgl_animation_command_start_23 - bgl_scene_graph_entry_23
scene_graph_riff_end label byte

bgl_riff_start label byte
    db 'B','G','L',' '
    dd bgl_riff_end - $ - 4
gate_MasterScale_1 label BGLCODE

    BGL_BEGIN 0800h
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_fail, 033Bh, 0, 1500
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_fail, 028Ch, 1, 3
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_1, 0312h, 1, 1
BGL_SET_MATRIX_INDIRECT 4
BGL_JUMP_32 gate_0_cont
gate_0_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_2, 0312h, 2, 2
BGL_SET_MATRIX_INDIRECT 12
BGL_JUMP_32 gate_0_cont
gate_0_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_3, 0312h, 3, 4
BGL_SET_MATRIX_INDIRECT 20
BGL_JUMP_32 gate_0_cont
gate_0_3 label word
gate_0_fail label word
BGL_SET_MATRIX_INDIRECT 0
gate_0_cont label word

    BGL_MATERIAL 0, 0
    BGL_DRAW_TRILIST 0, 24, 36
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_fail, 033Bh, 0, 1500
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_fail, 028Ch, 1, 3
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_1, 0312h, 1, 1
BGL_SET_MATRIX_INDIRECT 5
BGL_JUMP_32 gate_1_cont
gate_1_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_2, 0312h, 2, 2
BGL_SET_MATRIX_INDIRECT 13
BGL_JUMP_32 gate_1_cont
gate_1_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_3, 0312h, 3, 4
BGL_SET_MATRIX_INDIRECT 21
BGL_JUMP_32 gate_1_cont
gate_1_3 label word
gate_1_fail label word
BGL_SET_MATRIX_INDIRECT 1
gate_1_cont label word

    BGL_DRAW_TRILIST 24, 8, 12
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_fail, 033Bh, 0, 1500
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_fail, 028Ch, 1, 3
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_1, 0312h, 1, 1
BGL_SET_MATRIX_INDIRECT 6
BGL_JUMP_32 gate_2_cont
gate_2_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_2, 0312h, 2, 2
BGL_SET_MATRIX_INDIRECT 14
BGL_JUMP_32 gate_2_cont
gate_2_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_3, 0312h, 3, 4
BGL_SET_MATRIX_INDIRECT 22
BGL_JUMP_32 gate_2_cont
gate_2_3 label word
gate_2_fail label word
BGL_SET_MATRIX_INDIRECT 2
gate_2_cont label word

    BGL_DRAW_TRILIST 32, 16, 24
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_fail, 033Bh, 0, 1500
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_fail, 028Ch, 1, 3
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_1, 0312h, 1, 1
BGL_SET_MATRIX_INDIRECT 7
BGL_JUMP_32 gate_3_cont
gate_3_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_2, 0312h, 2, 2
BGL_SET_MATRIX_INDIRECT 15
BGL_JUMP_32 gate_3_cont
gate_3_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_3, 0312h, 3, 4
BGL_SET_MATRIX_INDIRECT 23
BGL_JUMP_32 gate_3_cont
gate_3_3 label word
gate_3_fail label word
BGL_SET_MATRIX_INDIRECT 3
gate_3_cont label word

    BGL_MATERIAL 0, 1
    BGL_DRAW_TRILIST 48, 4, 6
    BGL_END
    BGL_RETURN
bgl_riff_end label byte

gate_riff_end label byte
