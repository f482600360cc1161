// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue/FunctionNotes.h"

#include <iterator>

namespace {

// Notes of device codes 126..209 as the wireless variants show them, ascending by code.
constexpr FunctionNote kNotes[] = {
    {126,
     "Function Notes:The Cursor to point move to the left when it be press less than Nms(First delay)to "
     "be release;The Cursor to Continue move to the left when it be press more than Nms;Consistent with "
     "the key of cursor accerlate to accelerate move.(Press the key of Up+Down+Left+Right for 5 seconds "
     "to set the time of First delay,respectively, to be 0,100,200,300,400,500ms;Default in 500ms;"
     "shutdown memory)",
     "功能注释：按下少于Nms（首次延时）即松开时，鼠标光标向左点移；按下超过Nms时，鼠标光标向左连续移动；"
     "配合鼠标光标加速键可加速移动。（同时按住上+下+左+右键5秒设置首次延时，依次为0、100、200、300、400、"
     "500ms；默认500ms；断电记忆）"},
    {127,
     "Function Notes:The Cursor to point move to the right when it be press less than Nms(First delay) to "
     "be release;The Cursor to Continue move to the right when it be press more than Nms;Consistent with "
     "the key of cursor accerlate to accelerate move.(Press the key of Up+Down+Left+Right for 5 seconds "
     "to set the time of First delay,respectively, to be 0,100,200,300,400,500ms;Default in 500ms;"
     "shutdown memory)",
     "功能注释：按下少于Nms（首次延时）即松开时，鼠标光标向右点移；按下超过Nms时，鼠标光标向右连续移动；"
     "配合鼠标光标加速键可加速移动。（同时按住上+下+左+右键5秒设置首次延时，依次为0、100、200、300、400、"
     "500ms；默认500ms；断电记忆）"},
    {128,
     "Function Notes:The Cursor to point move to the up when it be press less than Nms(First delay) to be "
     "release;The Cursor to Continue move to the up when it be press more than Nms;Consistent with the "
     "key of cursor accerlate to accelerate move.(Press the key of Up+Down+Left+Right for 5 seconds to "
     "set the time of First delay,respectively, to be 0,100,200,300,400,500ms;Default in 500ms;shutdown "
     "memory)",
     "功能注释：按下少于Nms（首次延时）即松开时，鼠标光标向上点移；按下超过Nms时，鼠标光标向上连续移动；"
     "配合鼠标光标加速键可加速移动。（同时按住上+下+左+右键5秒设置首次延时，依次为0、100、200、300、400、"
     "500ms；默认500ms；断电记忆）"},
    {129,
     "Function Notes:The Cursor to point move to the down when it be press less than Nms(First delay) to "
     "be release;The Cursor to Continue move to the down when it be press more than Nms;Consistent with "
     "the key of cursor accerlate to accelerate move.(Press the key of Up+Down+Left+Right for 5 seconds "
     "to set the time of First delay,respectively, to be 0,100,200,300,400,500ms;Default in 500ms;"
     "shutdown memory)",
     "功能注释：按下少于Nms（首次延时）即松开时，鼠标光标向下点移；按下超过Nms时，鼠标光标向下连续移动；"
     "配合鼠标光标加速键可加速移动。（同时按住上+下+左+右键5秒设置首次延时，依次为0、100、200、300、400、"
     "500ms；默认500ms；断电记忆）"},
    {130, "Function Notes:The left key of mouse", "功能注释：鼠标左键"},
    {131, "Function Notes:The right key of mouse", "功能注释：鼠标右键"},
    {132, "Function Notes:The middle key of mouse(Wheel key)", "功能注释：鼠标中键（滚轮键）"},
    {133,
     "Function Notes:Wheel up,The Wheel to point roll up;The Wheel to Continue roll up when it be press "
     "more than 0.5 seconds.(Press the key of wheel up and wheel down for 3 seconds  to set the point "
     "roll distance,the indicator flashes for 1-6 times, respectively, to be 1,5,8,10,12,15;Default in 5;"
     "shutdown memory",
     "功能注释：滚轮向上，滚轮向上点滚；按下超过0.5秒时滚轮向上连续滚动。（同时长按滚轮向上键和滚轮向下键3"
     "秒设置点滚距离，指示灯闪烁1-6次，分别为1、5、8、10、12、15；默认5；断电记忆）"},
    {134,
     "Function Notes:Wheel down,The Wheel to point roll down;The Wheel to Continue roll down when it be "
     "press more than 0.5 seconds.(Press the key of wheel up and wheel down for 3 seconds  to set the "
     "point roll distance,the indicator flashes for 1-6 times, respectively, to be 1,5,8,10,12,15;Default "
     "in 5;shutdown memory)",
     "功能注释：滚轮向下，滚轮向下点滚；按下超过0.5秒时滚轮向下连续滚动。（同时长按滚轮向上键和滚轮向下键3"
     "秒设置点滚距离，指示灯闪烁1-6次，分别为1、5、8、10、12、15；默认5；断电记忆）"},
    {135,
     "Function Notes:Backlight of keyboard to switch(Use this function to turn off the backlight will cut "
     "off the backlight power supply and array scanning after turning off the backlight);Shutdown memory",
     "功能注释：键盘背光开关（使用此功能关闭背光后，将切断背光供电并停止阵列扫描）；断电记忆"},
    {136, "Function Notes:Backlight is customed by program software;Shutdown memory",
     "功能注释：背光由编程软件自定义；断电记忆"},
    {137, "Function Notes:Switch the light effect of backlight;Shutdown memory",
     "功能注释：切换背光灯效；断电记忆"},
    {138,
     "Function Notes:The color of light effect to Switch(Red-Green-Blue-Yellow-Purple-Cyan-White-Random);"
     "Shutdown memory",
     "功能注释：切换灯效颜色（红-绿-蓝-黄-紫-青-白-随机）；断电记忆"},
    {139, "Function Notes:The light effect of keyboard to quit;Shutdown memory",
     "功能注释：退出键盘灯效；断电记忆"},
    {140, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {141, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {142, "Function Notes:Frequence-(Speed down);Shutdown memory", "功能注释：频率-（减速）；断电记忆"},
    {143, "Function Notes:Frequence+(Speed up);Shutdown memory", "功能注释：频率+（加速）；断电记忆"},
    {144, "Function Notes:Lighteness+(The indicator brightness- when the backlight is off);Shutdown memory",
     "功能注释：亮度-（背光关闭时为指示灯亮度-）；断电记忆"},
    {145, "Function Notes:Lighteness+(The indicator brightness+ when the backlight is off);Shutdown memory",
     "功能注释：亮度+（背光关闭时为指示灯亮度+）；断电记忆"},
    {146,
     "Function Notes:Light Effect Direction to left,Each light effect direction has its own shutdown "
     "memory",
     "功能注释：灯效方向向左，每种灯效的方向各自断电记忆"},
    {147,
     "Function Notes:Light Effect Direction to right,Each light effect direction has its own shutdown "
     "memory",
     "功能注释：灯效方向向右，每种灯效的方向各自断电记忆"},
    {148,
     "Function Notes:The color of backliht to Switch(Dynamic sunset-Dynamic "
     "release-Red-Green-Blue-Yellow-Purple-Cyan-White-Black);Shutdown memory",
     "功能注释：切换背光颜色（动态日落-动态释放-红-绿-蓝-黄-紫-青-白-黑）；断电记忆"},
    {149,
     "Function Notes:Trig point of key to adjust(High-indicator flash once/Fit-indicator flash twice/"
     "Low-indicator flash three times);Shutdown memory",
     "功能注释：调节按键触发点（高-指示灯闪烁一次/适中-指示灯闪烁两次/低-指示灯闪烁三次）；断电记忆"},
    {150,
     "Function Notes:Keyboard Lock(ESC backlight is color breathe when keyboard is lock;Power down don't "
     "memory)",
     "功能注释：键盘锁（键盘锁定时ESC键背光呈彩色呼吸；断电不记忆）"},
    {151, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {152,
     "Function Notes:Caps/Left Ctrl Exchange(Press hold 3s,The indicator flash twice to exchange/once to "
     "return normal);Shutdown memory",
     "功能注释：Caps/左Ctrl互换（长按3秒，指示灯闪烁两次为互换/闪烁一次为恢复正常）；断电记忆"},
    {153,
     "Function Notes:Win+App Lock(Press hold 3s to Lock(The indicator flash twice)/Unlock(The indicator "
     "flash once);Invalid Mac mode;Shutdown memory)",
     "功能注释：Win+App锁（长按3秒锁定（指示灯闪烁两次）/解锁（指示灯闪烁一次）；Mac模式下无效；断电记忆）"},
    {154,
     "Function Notes:USB report rate switch(Indicator flash 1/2/3/4 times corresponding to 1/2/4/8 KHZ "
     "respectively),default in 8KHz;Shutdown memory",
     "功能注释：USB回报率切换（指示灯闪烁1/2/3/4次分别对应1/2/4/8KHz），默认8KHz；断电记忆"},
    {155,
     "Function Notes:Windows/Mac System Switch（Press hold 3s,The indicator flash once-Windows/Twice-Mac);"
     "The programming software can only be opened in Windows OS mode; In Mac OS mode, the PrtSc key is "
     "remapped to the Mac fn key;Shutdown memory",
     "功能注释：Windows/Mac系统切换（长按3秒，指示灯闪烁一次为Windows/闪烁两次为Mac）；"
     "编程软件只能在Windows系统模式下打开；Mac系统模式下，PrtSc键映射为Mac fn键；断电记忆"},
    {156, "Function Notes:Fn key,Key's 3 layer must be set to Fn,It's position can be moved",
     "功能注释：Fn键，该键的3层必须都设为Fn，位置可以移动"},
    {157,
     "Function Notes:Set distance of the mouse cursor to point move(press for 0.5 seconds, the indicator "
     "flashes for 1-6 times, respectively, to be 1,10,15,20,25,50 pixels),Default in 15 pixels;Shutdown "
     "memory",
     "功能注释：设置鼠标光标点移距离（按住0.5秒，指示灯闪烁1-6次，分别为1、10、15、20、25、50像素），"
     "默认15像素；断电记忆"},
    {158,
     "Function Notes:Set speed of the mouse continue move(press for 0.5 seconds, the indicator flashes "
     "for 1-6 times, respectively, to be 1,2,3,4,5,6 pixels),Default in 3 pixels;Shutdown memory",
     "功能注释：设置鼠标光标连续移动速度（按住0.5秒，指示灯闪烁1-6次，分别为1、2、3、4、5、6像素），"
     "默认3像素；断电记忆"},
    {159,
     "Function Notes:Office/Program1/Program2/Program3 Switch(Program1,M light is flash once and always "
     "on (Wireless 10 seconds to hide)/Program2,M light is flash twice and always on (Wireless 10 seconds "
     "to hide)/Program3,M light is flash three times and always on (Wireless 10 seconds to hide)/Office,M "
     "light is off);Shutdown memory",
     "功能注释：办公/编程键盘1/编程键盘2/编程键盘3切换（编程键盘1：M灯闪烁一次后常亮（无线模式10秒后熄灭）"
     "/编程键盘2：M灯闪烁两次后常亮（无线模式10秒后熄灭）/"
     "编程键盘3：M灯闪烁三次后常亮（无线模式10秒后熄灭）/办公：M灯熄灭）；断电记忆"},
    {160, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {161, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {162, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {163, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {164, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {165, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {166, "Function Notes:Fn2 key,Key's 3 layer must be set to Fn2,It's position can be moved",
     "功能注释：Fn2键，该键的3层必须都设为Fn2，位置可以移动"},
    {167,
     "Function Notes:Wire/Wireless Switch(Wired is preferred,but you can use this key to switch between "
     "wired and wireless)",
     "功能注释：有线/无线切换（优先使用有线，也可用此键在有线和无线之间切换）"},
    {168,
     "Function Notes:Bluetooth device1(Press hold 3s to pairing(BT1 led flash slowly),Short press to "
     "reconnect(BT led(Red) flash fastly) ,After successful Bluetooth connection, Led is on for 5 seconds "
     "and then off;Shutdown memory",
     "功能注释：蓝牙设备1（长按3秒配对（BT1指示灯慢闪），短按回连（BT指示灯（红）快闪），蓝牙连接成功后，"
     "指示灯亮5秒后熄灭；断电记忆"},
    {169,
     "Function Notes:Bluetooth device2(Press hold 3s to pairing(BT2 led flash slowly),Short press to "
     "reconnect(BT led(Green) flash fastly) ,After successful Bluetooth connection, Led is on for 5 "
     "seconds and then off;Shutdown memory",
     "功能注释：蓝牙设备2（长按3秒配对（BT2指示灯慢闪），短按回连（BT指示灯（绿）快闪），蓝牙连接成功后，"
     "指示灯亮5秒后熄灭；断电记忆"},
    {170,
     "Function Notes:Bluetooth device3(Press hold 3s to pairing(BT1+BT3 led flash slowly),Short press to "
     "reconnect(BT1+BT3 led flash fastly) ,After successful Bluetooth connection, Led is on for 5 seconds "
     "and then off;Shutdown memory",
     "功能注释：蓝牙设备3（长按3秒配对（BT1+BT3指示灯慢闪），短按回连（BT1+BT3指示灯快闪），"
     "蓝牙连接成功后，指示灯亮5秒后熄灭；断电记忆"},
    {171, "Function Notes:Game mode（Fast key response and high power consumption）;Shutdown memory",
     "功能注释：游戏模式（按键响应快，功耗高）；断电记忆"},
    {172, "Function Notes:ECO mode（Slow key response,no backlight,energy saving,suitable for office",
     "功能注释：ECO节能模式（按键响应慢，无背光，省电，适合办公）"},
    {173,
     "Function Notes:Set the number of pixels for mouse cursor Accelerate movement(press for 0.5 seconds, "
     "the indicator flashes for 1-6 times, respectively, to be 10,15,20,25,30,35 pixels),Default in 25 "
     "pixels;Shutdown memory",
     "功能注释：设置鼠标光标加速移动的像素数（按住0.5秒，指示灯闪烁1-6次，分别为10、15、20、25、30、"
     "35像素），默认25像素；断电记忆"},
    {174,
     "Function Notes:Key Repeat Rate(The speed of repeat hitting after pressing the key)，1/2/4/8 times "
     "regulation and default in 1 time;Shutdown memory",
     "功能注释：按键重复速率（按住按键后重复击键的速度），可调1/2/4/8倍，默认1倍；断电记忆"},
    {175,
     "Function Notes:Key Response Delay(Press the key to wait for this delay before starting to hit "
     "repeatly)，0.5/0.3/0.1 seconds regulation and default in 0.5 seconds;Shutdown memory",
     "功能注释：按键响应延时（按住按键后等待此延时再开始重复击键），可调0.5/0.3/0.1秒，默认0.5秒；断电记忆"},
    {176, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {177,
     "Function Notes:Backspace and | Exchange(Press hold 3s,The indicator flash twice to exchange/once to "
     "return normal);Shutdown memory",
     "功能注释：Backspace与|互换（长按3秒，指示灯闪烁两次为互换/闪烁一次为恢复正常）；断电记忆"},
    {178,
     "Function Notes:Battery powered off time setting;Press hold 3s,Indicator flash 1-4 times for 1h/2h/"
     "3h/Never,Start the power off timing after the key does not act;Default in 3hours;Shutdown memory;"
     "Valid in battery supply",
     "功能注释：电池关机时间设置；长按3秒，指示灯闪烁1-4次对应1h/2h/3h/永不，按键无操作后开始关机计时；"
     "默认3小时；断电记忆；电池供电时有效"},
    {179, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {180,
     "Function Notes:Bluetooth device4(Press hold 3s to pairing(BT1+BT2 led flash slowly),Short press to "
     "reconnect(BT1+BT2 led flash fastly) ,After successful Bluetooth connection, Led is on for 5 seconds "
     "and then off;Shutdown memory",
     "功能注释：蓝牙设备4（长按3秒配对（BT1+BT2指示灯慢闪），短按回连（BT1+BT2指示灯快闪），"
     "蓝牙连接成功后，指示灯亮5秒后熄灭；断电记忆"},
    {181,
     "Function Notes:Bluetooth device5(Press hold 3s to pairing(BT2+BT3 led flash slowly),Short press to "
     "reconnect(BT2+BT3 led flash fastly) ,After successful Bluetooth connection, Led is on for 5 seconds "
     "and then off;Shutdown memory",
     "功能注释：蓝牙设备5（长按3秒配对（BT2+BT3指示灯慢闪），短按回连（BT2+BT3指示灯快闪），"
     "蓝牙连接成功后，指示灯亮5秒后熄灭；断电记忆"},
    {182,
     "Function Notes:Low Latency Receiver(Press hold 3s to pairing(BT3 led flash slowly),Short press to "
     "reconnect(BT3 led flash fastly) ,After successful Bluetooth connection, Led is on for 5 seconds and "
     "then off;Shutdown memory",
     "功能注释：低延迟接收器（长按3秒配对（BT3指示灯慢闪），短按回连（BT3指示灯快闪），蓝牙连接成功后，"
     "指示灯亮5秒后熄灭；断电记忆"},
    {183, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {184, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {185, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {186, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {187, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {188, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {189, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {190, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {191, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {192, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {193, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {194, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {195, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {196, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {197, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {198, "Function Notes:Mouse cursor move to accerlate", "功能注释：鼠标光标加速移动"},
    {199, "Function Notes:The Left key of mouse to Double Click", "功能注释：鼠标左键双击"},
    {200, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {201, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {202, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {203, "Function Notes:00 key for number keyboard", "功能注释：数字小键盘的00键"},
    {204, "Function Notes:European key,Europe2(`~or>|)", "功能注释：欧洲键，Europe2（`~或>|）"},
    {205, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {206, "Function Notes:None,Reserved", "功能注释：无，保留备用"},
    {207,
     "Function Notes:Mac fn;Consistent with the fn function of Mac OS and Valid in Mac OS,it can be "
     "realize the combination function of F1-F12 and the combination function of system fn shortcut key",
     "功能注释：Mac fn；与Mac OS的fn功能一致，仅在Mac OS下有效，"
     "可实现F1-F12的组合功能及系统fn快捷键的组合功能"},
    {208, "Function Notes:Screen Brighteness-,Invalid for win7 and below or independent graphics card",
     "功能注释：屏幕亮度-，对win7及以下系统或独立显卡无效"},
    {209, "Function Notes:Screen Brighteness+,Invalid for win7 and below or independent graphics card",
     "功能注释：屏幕亮度+，对win7及以下系统或独立显卡无效"},
};

// Codes 150, 153 and 155 on the wired variants, whose indicators light instead of flashing.
constexpr FunctionNote kWiredNotes[] = {
    {150,
     "Function Notes:Keyboard Lock(Lock,the keylock indicator is on and Unlock,keylock indicator is off;"
     "Power down don't memory)",
     "功能注释：键盘锁（锁定时键盘锁指示灯亮，解锁时键盘锁指示灯灭；断电不记忆）"},
    {153,
     "Function Notes:Win+App Lock(Press hold 3s to Lock(Winlock indicator is on)/Unlock(Winlock indicator "
     "is off);Invalid Mac mode;Shutdown memory)",
     "功能注释：Win+App锁（长按3秒锁定（Win锁指示灯亮）/解锁（Win锁指示灯灭）；Mac模式下无效；断电记忆）"},
    {155,
     "Function Notes:Windows/Mac System Switch（Press hold 3s,The Mac indicator off-Windows/On-Mac);The "
     "programming software can only be opened in Windows OS mode; In Mac OS mode, the PrtSc key is "
     "remapped to the Mac fn key;Shutdown memory",
     "功能注释：Windows/Mac系统切换（长按3秒，Mac指示灯灭为Windows/亮为Mac）；"
     "编程软件只能在Windows系统模式下打开；Mac系统模式下，PrtSc键映射为Mac fn键；断电记忆"},
};

static_assert(std::size(kNotes) == 84);
static_assert(std::size(kWiredNotes) == 3);

} // namespace

std::span<const FunctionNote> functionNotes() {
    return kNotes;
}

std::span<const FunctionNote> wiredIndicatorNotes() {
    return kWiredNotes;
}
